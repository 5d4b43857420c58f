#include "store/archive.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "search/text_encoding.h"
#include "store/code_page_932.h"

namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;         // high bit of a 16-bit tag: a class
constexpr std::uint16_t kBigObjectTag = 0x7FFF;     // a 32-bit tag follows
constexpr std::uint32_t kBigClassTag = 0x80000000;  // high bit of a 32-bit tag: a class
constexpr std::uint16_t kWideStringMark = 0xFFFE;
constexpr std::uint32_t kTime64Mark = 0x8000000A;
// How much of data handed over in pieces is held at a time.
constexpr std::size_t kPieceBytes = std::size_t{64} * 1024;

std::string Utf16LeToUtf8(std::string_view bytes) {
  constexpr std::uint32_t kReplacement = 0xFFFD;
  const std::size_t units = bytes.size() / 2;
  auto unitAt = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                      (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
  };
  std::string out;
  out.reserve(units * 3);
  for (std::size_t i = 0; i < units; ++i) {
    const std::uint32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
      const std::uint32_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    const bool unpairedSurrogate = unit >= 0xD800 && unit <= 0xDFFF;
    AppendUtf8(out, unpairedSurrogate ? kReplacement : unit);
  }
  return out;
}

}  // namespace

void ArchiveWriter::WriteU8(std::uint8_t value) {
  m_bytes += static_cast<char>(value);
}

void ArchiveWriter::WriteU16(std::uint16_t value) {
  WriteU8(static_cast<std::uint8_t>(value));
  WriteU8(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::WriteU32(std::uint32_t value) {
  WriteU16(static_cast<std::uint16_t>(value));
  WriteU16(static_cast<std::uint16_t>(value >> 16));
}

void ArchiveWriter::WriteU64(std::uint64_t value) {
  WriteU32(static_cast<std::uint32_t>(value));
  WriteU32(static_cast<std::uint32_t>(value >> 32));
}

void ArchiveWriter::WriteBytes(const void* bytes, std::size_t size) {
  m_bytes.append(static_cast<const char*>(bytes), size);
}

void ArchiveWriter::WriteString(std::string_view text) {
  const std::uint64_t length = text.size();
  if (length < 0xFF) {
    WriteU8(static_cast<std::uint8_t>(length));
  } else if (length < kWideStringMark) {  // 0xFFFE itself would read as the wide mark
    WriteU8(0xFF);
    WriteU16(static_cast<std::uint16_t>(length));
  } else if (length < 0xFFFFFFFF) {
    WriteU8(0xFF);
    WriteU16(0xFFFF);
    WriteU32(static_cast<std::uint32_t>(length));
  } else {
    WriteU8(0xFF);
    WriteU16(0xFFFF);
    WriteU32(0xFFFFFFFF);
    WriteU64(length);
  }
  WriteBytes(text.data(), text.size());
}

void ArchiveWriter::WriteCount(std::uint64_t count) {
  if (count < 0xFFFF) {
    WriteU16(static_cast<std::uint16_t>(count));
    return;
  }
  WriteU16(0xFFFF);
  if (count < 0xFFFFFFFF) {
    WriteU32(static_cast<std::uint32_t>(count));
    return;
  }
  WriteU32(0xFFFFFFFF);
  WriteU64(count);
}

void ArchiveWriter::WriteTime(std::int64_t seconds) {
  WriteU32(kTime64Mark);
  WriteU64(static_cast<std::uint64_t>(seconds));
}

void ArchiveWriter::WriteObjectTag(std::string_view className, std::uint16_t schema) {
  const auto known = m_classIndex.find(className);
  if (known == m_classIndex.end()) {
    WriteU16(kNewClassTag);
    WriteU16(schema);
    WriteU16(static_cast<std::uint16_t>(className.size()));
    WriteBytes(className.data(), className.size());
    m_classIndex.emplace(std::string(className), m_nextIndex++);
  } else if (known->second < kBigObjectTag) {
    WriteU16(static_cast<std::uint16_t>(kClassTag | known->second));
  } else {
    WriteU16(kBigObjectTag);
    WriteU32(kBigClassTag | known->second);
  }
  ++m_nextIndex;  // the object's own index
}

std::string_view ArchiveReader::ReadBytes(std::size_t size) {
  if (size > Remaining()) {
    throw ArchiveError("the data ends " + std::to_string(size - Remaining()) +
                       " bytes early at offset " + std::to_string(Offset()));
  }
  if (size > m_bytes.size() - m_at) {
    Refill(size);
  }
  const std::string_view bytes = m_bytes.substr(m_at, size);
  m_at += size;
  return bytes;
}

void ArchiveReader::Refill(std::size_t size) {
  const std::size_t unread = m_bytes.size() - m_at;
  const auto wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(std::max(size, kPieceBytes), Remaining()));
  // The unread bytes move to the front; the piece grows only for a read larger than it.
  if (wanted > m_piece.size()) {
    std::string grown(wanted, '\0');
    m_bytes.copy(grown.data(), unread, m_at);
    m_piece.swap(grown);
  } else if (unread > 0) {
    std::memmove(m_piece.data(), m_bytes.data() + m_at, unread);
  }
  m_dropped += m_at;
  m_at = 0;
  m_bytes = std::string_view(m_piece.data(), unread);
  while (m_bytes.size() < wanted) {
    const std::size_t filled = m_bytes.size();
    const std::size_t got = m_refill(m_piece.data() + filled, wanted - filled);
    if (got == 0) {
      throw ArchiveError("the data ends " + std::to_string(Remaining() - filled) +
                         " bytes early at offset " + std::to_string(m_dropped + filled));
    }
    m_bytes = std::string_view(m_piece.data(), filled + got);
  }
}

std::uint8_t ArchiveReader::ReadU8() {
  return static_cast<std::uint8_t>(ReadBytes(1)[0]);
}

std::uint16_t ArchiveReader::ReadU16() {
  const std::string_view b = ReadBytes(2);
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[0]) |
                                    (static_cast<std::uint8_t>(b[1]) << 8));
}

std::uint32_t ArchiveReader::ReadU32() {
  const std::uint32_t low = ReadU16();
  return low | (static_cast<std::uint32_t>(ReadU16()) << 16);
}

std::uint64_t ArchiveReader::ReadU64() {
  const std::uint64_t low = ReadU32();
  return low | (static_cast<std::uint64_t>(ReadU32()) << 32);
}

std::uint64_t ArchiveReader::ReadStringLength(bool* wide) {
  *wide = false;
  const std::uint8_t byteLength = ReadU8();
  if (byteLength < 0xFF) {
    return byteLength;
  }
  std::uint16_t wordLength = ReadU16();
  if (wordLength == kWideStringMark) {
    *wide = true;
    const std::uint8_t wideByteLength = ReadU8();
    if (wideByteLength < 0xFF) {
      return wideByteLength;
    }
    wordLength = ReadU16();
  }
  if (wordLength < 0xFFFF) {
    return wordLength;
  }
  const std::uint32_t dwordLength = ReadU32();
  if (dwordLength < 0xFFFFFFFF) {
    return dwordLength;
  }
  return ReadU64();
}

std::string ArchiveReader::ReadString() {
  bool wide = false;
  const std::uint64_t length = ReadStringLength(&wide);
  const std::uint64_t unitBytes = wide ? 2 : 1;
  if (length > Remaining() / unitBytes) {
    throw ArchiveError("a string of " + std::to_string(length) + " characters at offset " +
                       std::to_string(Offset()) + " exceeds the data");
  }
  const std::string_view bytes = ReadBytes(static_cast<std::size_t>(length * unitBytes));
  if (wide) {
    return Utf16LeToUtf8(bytes);
  }
  if (m_narrowText == NarrowText::kCodePage932) {
    return Utf8FromCodePage932(bytes);
  }
  m_narrowTextsWereUtf8 = m_narrowTextsWereUtf8 && IsWellFormedUtf8(bytes);
  return std::string(bytes);
}

std::uint64_t ArchiveReader::ReadCount(std::size_t minElementBytes) {
  std::uint64_t count = ReadU16();
  if (count == 0xFFFF) {
    count = ReadU32();
    if (count == 0xFFFFFFFF) {
      count = ReadU64();
    }
  }
  if (minElementBytes > 0 && count > Remaining() / minElementBytes) {
    throw ArchiveError("a count of " + std::to_string(count) + " at offset " +
                       std::to_string(Offset()) + " exceeds the data");
  }
  return count;
}

std::int64_t ArchiveReader::ReadTime() {
  const std::uint32_t first = ReadU32();
  if (first == kTime64Mark) {
    return static_cast<std::int64_t>(ReadU64());
  }
  // The older 32-bit form; a launch time is never before 1970, so it is unsigned.
  return first;
}

void ArchiveReader::ReadObjectTag(std::string_view className, std::uint16_t schema) {
  const std::uint64_t tagOffset = Offset();
  const std::uint16_t tag = ReadU16();
  if (tag == kNewClassTag) {
    ReadNewClass(className, schema);
  } else {
    const std::uint32_t wideTag = tag == kBigObjectTag
                                      ? ReadU32()
                                      : (static_cast<std::uint32_t>(tag & kClassTag) << 16) |
                                            (tag & static_cast<std::uint16_t>(~kClassTag));
    if ((wideTag & kBigClassTag) == 0) {
      throw ArchiveError(wideTag == 0 ? "a missing object at offset " + std::to_string(tagOffset)
                                      : "a second reference to object " + std::to_string(wideTag) +
                                            " at offset " + std::to_string(tagOffset));
    }
    ReadClassReference(wideTag & ~kBigClassTag, className);
  }
  ++m_nextIndex;  // the object's own index
}

void ArchiveReader::ReadNewClass(std::string_view className, std::uint16_t schema) {
  const std::uint16_t storedSchema = ReadU16();
  const std::uint16_t nameLength = ReadU16();
  const std::string_view storedName = ReadBytes(nameLength);
  if (storedName != className) {
    throw ArchiveError("an object of the unknown class \"" + std::string(storedName) + "\"");
  }
  if (storedSchema != schema) {
    throw ArchiveError("an object of " + std::string(className) + " schema " +
                       std::to_string(storedSchema) + ", not " + std::to_string(schema));
  }
  m_classes.emplace(m_nextIndex++, storedName);
}

void ArchiveReader::ReadClassReference(std::uint32_t index, std::string_view className) {
  const auto known = m_classes.find(index);
  if (known == m_classes.end()) {
    throw ArchiveError("a reference to the unknown class index " + std::to_string(index));
  }
  if (known->second != className) {
    throw ArchiveError("an object of class " + known->second + ", not " + std::string(className));
  }
}
