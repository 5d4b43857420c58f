#include "view/win32/win32_image_list.h"

#include <cstddef>

namespace {

constexpr int kSide = 16;

// The rows of `bitmap` as 32-bit pixels, top row first; empty when it cannot be read.
std::string BitmapBits(HBITMAP bitmap) {
  BITMAP described{};
  if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof described, &described) == 0) {
    return {};
  }
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = described.bmWidth;
  format.bmiHeader.biHeight = -described.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::string bits(static_cast<std::size_t>(described.bmWidth) *
                       static_cast<std::size_t>(described.bmHeight) * 4,
                   '\0');
  HDC screen = ::GetDC(nullptr);
  const int rows = ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(described.bmHeight),
                               bits.data(), &format, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  return rows == described.bmHeight ? bits : std::string();
}

// What the icon looks like: its colour pixels and its mask. Two files of one kind give
// icons with different handles but the same look.
std::string IconBits(HICON icon) {
  ICONINFO parts{};
  if (!::GetIconInfo(icon, &parts)) {
    return {};
  }
  std::string bits = BitmapBits(parts.hbmColor) + '\n' + BitmapBits(parts.hbmMask);
  if (parts.hbmColor != nullptr) {
    ::DeleteObject(parts.hbmColor);
  }
  if (parts.hbmMask != nullptr) {
    ::DeleteObject(parts.hbmMask);
  }
  return bits;
}

}  // namespace

Win32ImageList::Win32ImageList()
    : m_list(::ImageList_Create(kSide, kSide, ILC_COLOR32 | ILC_MASK, 8, 8)) {
  // The blank picture: every pixel masked out.
  HDC screen = ::GetDC(nullptr);
  HBITMAP colour = ::CreateCompatibleBitmap(screen, kSide, kSide);
  ::ReleaseDC(nullptr, screen);
  const std::vector<WORD> allOnes(kSide, 0xFFFF);
  HBITMAP mask = ::CreateBitmap(kSide, kSide, 1, 1, allOnes.data());
  if (m_list != nullptr) {
    ::ImageList_Add(m_list, colour, mask);
  }
  ::DeleteObject(colour);
  ::DeleteObject(mask);
}

Win32ImageList::~Win32ImageList() {
  if (m_list != nullptr) {
    ::ImageList_Destroy(m_list);
  }
}

int Win32ImageList::AddIcon(const IconSource& icon) {
  HICON handle = static_cast<HICON>(icon.nativeIcon);
  if (handle == nullptr) {
    return -1;
  }
  m_entries.push_back(Picture(handle));
  return static_cast<int>(m_entries.size()) - 1;
}

int Win32ImageList::AddDeferredIcon() {
  m_entries.push_back(kDeferred);
  return static_cast<int>(m_entries.size()) - 1;
}

bool Win32ImageList::IsDeferred(int index) const {
  return index >= 0 && index < static_cast<int>(m_entries.size()) &&
         m_entries[static_cast<std::size_t>(index)] == kDeferred;
}

void Win32ImageList::Fill(int index, const IconSource& icon) {
  HICON handle = static_cast<HICON>(icon.nativeIcon);
  if (!IsDeferred(index)) {
    if (handle != nullptr) {
      ::DestroyIcon(handle);
    }
    return;
  }
  m_entries[static_cast<std::size_t>(index)] = handle != nullptr ? Picture(handle) : kBlank;
}

int Win32ImageList::PictureOf(int index) const {
  if (index < 0 || index >= static_cast<int>(m_entries.size())) {
    return kBlank;
  }
  const int picture = m_entries[static_cast<std::size_t>(index)];
  return picture == kDeferred ? kBlank : picture;
}

int Win32ImageList::Picture(HICON icon) {
  std::string bits = IconBits(icon);
  const auto known = bits.empty() ? m_pictureByBits.end() : m_pictureByBits.find(bits);
  int picture = kBlank;
  if (known != m_pictureByBits.end()) {
    picture = known->second;
  } else if (m_list != nullptr) {
    const int added = ::ImageList_ReplaceIcon(m_list, -1, icon);
    if (added >= 0) {
      picture = added;
      if (!bits.empty()) {
        m_pictureByBits.emplace(std::move(bits), picture);
      }
    }
  }
  ::DestroyIcon(icon);
  return picture;
}
