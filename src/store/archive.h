#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

// The byte framing of the collection file, shared with the Windows build of VOSTEK,
// whose application framework writes it: little-endian numbers, strings with a
// length prefix, element counts, and objects introduced by a class tag that later
// objects of the same class refer back to.

// Any failure to read: the data ended early, a length or count exceeds what is
// left, or a tag, class or schema is not one this program wrote.
class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ArchiveWriter {
 public:
  void WriteU8(std::uint8_t value);
  void WriteU16(std::uint16_t value);
  void WriteU32(std::uint32_t value);
  void WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }
  void WriteU64(std::uint64_t value);
  void WriteBytes(const void* bytes, std::size_t size);

  // The length prefix, then the bytes as they are (narrow form).
  void WriteString(std::string_view text);
  // A 16-bit count; 0xFFFF and above escape to 32 and then 64 bits.
  void WriteCount(std::uint64_t count);
  // The 64-bit-time mark 0x8000000A, then the signed 64-bit seconds.
  void WriteTime(std::int64_t seconds);
  // Introduces a new object of `className`: the class name and schema the first
  // time the class appears, a reference to that first appearance afterwards.
  void WriteObjectTag(std::string_view className, std::uint16_t schema);

  const std::string& Bytes() const { return m_bytes; }

 private:
  std::string m_bytes;
  std::uint32_t m_nextIndex = 1;  // classes and objects share one numbering; 0 is null
  std::map<std::string, std::uint32_t, std::less<>> m_classIndex;
};

// How a reader takes narrow strings: as the UTF-8 this program writes, or as the code
// page 932 of older collection files, converted to UTF-8.
enum class NarrowText { kUtf8, kCodePage932 };

// Hands a reader the next bytes of data too large to hold whole: fills up to `size`
// bytes at `into` and returns how many, 0 only at the data's end. A failure to read
// throws, as anything but ArchiveError, which means bad data.
using ArchiveRefill = std::function<std::size_t(char* into, std::size_t size)>;

// Reads from a block of bytes the caller keeps alive, or from data handed over in
// pieces. Every failure throws ArchiveError; no length or count read from the data is
// trusted beyond the bytes that remain.
class ArchiveReader {
 public:
  explicit ArchiveReader(std::string_view bytes) : m_bytes(bytes), m_size(bytes.size()) {}
  explicit ArchiveReader(std::string&&) = delete;  // would read a string already gone
  // Reads `size` bytes, as `refill` gives them; what it has beyond them is not asked
  // for. The views ReadBytes returns then last only until the next read.
  ArchiveReader(std::uint64_t size, ArchiveRefill refill)
      : m_size(size), m_refill(std::move(refill)) {}

  std::uint8_t ReadU8();
  std::uint16_t ReadU16();
  std::uint32_t ReadU32();
  std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
  std::uint64_t ReadU64();
  std::string_view ReadBytes(std::size_t size);  // a view into the block or the piece

  // Either form: narrow bytes as they are (or from code page 932), or UTF-16 converted
  // to UTF-8 (an unpaired surrogate becomes U+FFFD).
  std::string ReadString();
  void SetNarrowText(NarrowText form) { m_narrowText = form; }
  // False once a narrow string taken as UTF-8 was not well-formed UTF-8.
  bool NarrowTextsWereUtf8() const { return m_narrowTextsWereUtf8; }
  // Fails unless `count` elements of at least `minElementBytes` each still fit.
  std::uint64_t ReadCount(std::size_t minElementBytes);
  // Also the older form: a first 32-bit value other than the mark is the time.
  std::int64_t ReadTime();
  // Accepts only a new object of `className` with this schema; a null object, a
  // reference to an earlier object or any other class or schema fails.
  void ReadObjectTag(std::string_view className, std::uint16_t schema);

  std::uint64_t Remaining() const { return m_size - Offset(); }
  bool AtEnd() const { return Remaining() == 0; }

 private:
  std::uint64_t Offset() const { return m_dropped + m_at; }
  void Refill(std::size_t size);  // the next `size` bytes into the piece, after the unread
  std::uint64_t ReadStringLength(bool* wide);
  void ReadNewClass(std::string_view className, std::uint16_t schema);
  void ReadClassReference(std::uint32_t index, std::string_view className);

  std::string_view m_bytes;  // the block, or the piece read last
  std::size_t m_at = 0;      // in m_bytes
  std::uint64_t m_size = 0;
  std::uint64_t m_dropped = 0;  // bytes of earlier pieces, gone from m_bytes
  ArchiveRefill m_refill;
  std::string m_piece;
  std::uint32_t m_nextIndex = 1;
  std::map<std::uint32_t, std::string, std::less<>> m_classes;  // index -> class name
  NarrowText m_narrowText = NarrowText::kUtf8;
  bool m_narrowTextsWereUtf8 = true;
};
