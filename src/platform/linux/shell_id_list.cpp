#include "platform/linux/shell_id_list.h"

#include <glib.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

// Item header: the 16-bit count and the kind byte.
constexpr std::size_t kItemHeader = 3;
constexpr std::size_t kTerminator = 2;

std::size_t ReadCount(const IdList* at) {
  return static_cast<std::size_t>(at[0]) | (static_cast<std::size_t>(at[1]) << 8);
}

struct IdItemView {
  IdItemKind kind;
  std::string_view bytes;
};

// Splits a list into its items; false when an item is too short to carry a kind.
bool SplitIdList(const IdList* list, std::vector<IdItemView>* items) {
  const std::size_t size = GetIdListSize(list);
  std::size_t offset = 0;
  while (offset + kTerminator < size) {
    const std::size_t count = ReadCount(list + offset);
    if (count < kItemHeader || offset + count + kTerminator > size) {
      return false;
    }
    items->push_back({static_cast<IdItemKind>(list[offset + 2]),
                      std::string_view(reinterpret_cast<const char*>(list + offset + kItemHeader),
                                       count - kItemHeader)});
    offset += count;
  }
  return true;
}

bool IsFileNameComponent(std::string_view name) {
  return !name.empty() && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

IdListPtr BuildIdList(IdItemKind kind, const std::vector<std::string_view>& parts) {
  std::size_t total = kTerminator;
  for (std::string_view part : parts) {
    if (part.size() > std::numeric_limits<std::uint16_t>::max() - kItemHeader) {
      return nullptr;
    }
    total += kItemHeader + part.size();
  }
  IdListPtr list(static_cast<IdList*>(vostek::g_malloc->Alloc(total)));
  if (!list) {
    return nullptr;
  }
  IdList* at = list.get();
  for (std::string_view part : parts) {
    const std::size_t count = kItemHeader + part.size();
    at[0] = static_cast<IdList>(count & 0xFF);
    at[1] = static_cast<IdList>(count >> 8);
    at[2] = static_cast<IdList>(kind);
    std::memcpy(at + kItemHeader, part.data(), part.size());
    at += count;
  }
  at[0] = 0;
  at[1] = 0;
  return list;
}

}  // namespace

IdListPtr MakeSingleItemIdList(IdItemKind kind, std::string_view bytes) {
  if (kind == IdItemKind::FileName && !IsFileNameComponent(bytes)) {
    return nullptr;
  }
  return BuildIdList(kind, {bytes});
}

IdListPtr IdListFromPath(std::string_view path) {
  if (path.empty() || path.front() != '/') {
    return nullptr;
  }
  std::vector<std::string_view> components;
  std::size_t start = 0;
  while (start < path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) {
      end = path.size();
    }
    const std::string_view component = path.substr(start, end - start);
    if (component.find('\0') != std::string_view::npos) {
      return nullptr;  // no file has such a name
    }
    if (!component.empty() && component != ".") {
      components.push_back(component);
    }
    start = end + 1;
  }
  return BuildIdList(IdItemKind::FileName, components);
}

IdListPtr IdListFromUri(std::string_view uri) {
  if (uri.empty()) {
    return nullptr;
  }
  return MakeSingleItemIdList(IdItemKind::Uri, uri);
}

std::string PathFromIdList(const IdList* list) {
  std::vector<IdItemView> items;
  if (list == nullptr || !SplitIdList(list, &items)) {
    return {};
  }
  if (items.empty()) {
    return "/";
  }
  std::string path;
  for (const IdItemView& item : items) {
    if (item.kind != IdItemKind::FileName || !IsFileNameComponent(item.bytes)) {
      return {};
    }
    path += '/';
    path += item.bytes;
  }
  return path;
}

std::string UriFromIdList(const IdList* list) {
  std::vector<IdItemView> items;
  if (list == nullptr || !SplitIdList(list, &items)) {
    return {};
  }
  for (const IdItemView& item : items) {
    if (item.kind == IdItemKind::Uri && !item.bytes.empty()) {
      return std::string(item.bytes);
    }
  }
  const std::string path = PathFromIdList(list);
  if (path.empty()) {
    return {};
  }
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  std::string result = uri != nullptr ? uri : "";
  g_free(uri);
  return result;
}
