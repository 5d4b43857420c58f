#include "store/archive.h"

#include <gtest/gtest.h>

#include "store_test_bytes.h"

namespace {

std::string Written(void (*write)(ArchiveWriter&)) {
  ArchiveWriter archive;
  write(archive);
  return archive.Bytes();
}

TEST(ArchiveStringTest, EachLengthTakesItsPrefixAndReadsBack) {
  struct Case {
    std::size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, HexBytes("00")},
      {254, HexBytes("fe")},
      {255, HexBytes("ff ff 00")},
      {300, HexBytes("ff 2c 01")},
      {0xFFFD, HexBytes("ff fd ff")},
      {0xFFFE, HexBytes("ff ff ff fe ff 00 00")},  // 16 bits would read as the wide mark
      {70000, HexBytes("ff ff ff 70 11 01 00")},
  };
  for (const Case& c : cases) {
    std::string text(c.length, 'x');
    if (!text.empty()) {
      text.back() = 'y';
    }
    ArchiveWriter writer;
    writer.WriteString(text);
    EXPECT_EQ(writer.Bytes(), c.prefix + text) << c.length;
    ArchiveReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadString(), text) << c.length;
    EXPECT_TRUE(reader.AtEnd());
  }
}

TEST(ArchiveStringTest, WideFormBecomesUtf8) {
  const struct {
    const char* hex;
    std::string utf8;
  } cases[] = {
      {"ff fe ff 00", ""},
      {"ff fe ff 03 b0 30 41 00 30 00", "グA0"},
      {"ff fe ff 02 3d d8 00 de", "\xF0\x9F\x98\x80"},  // a surrogate pair
      {"ff fe ff 02 3d d8 41 00",
       "\xEF\xBF\xBD"
       "A"},                                                    // high surrogate alone
      {"ff fe ff 02 00 de 3d d8", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // low first, high last
      {"ff fe ff ff 01 00 41 00", "A"},                         // 16-bit wide length
  };
  for (const auto& c : cases) {
    const std::string readerBytes = HexBytes(c.hex);
    ArchiveReader reader(readerBytes);
    EXPECT_EQ(reader.ReadString(), c.utf8) << c.hex;
    EXPECT_TRUE(reader.AtEnd()) << c.hex;
  }
  const std::string oddBytesBytes = HexBytes("ff fe ff 02 41 00 42");
  ArchiveReader oddBytes(oddBytesBytes);
  EXPECT_THROW(oddBytes.ReadString(), ArchiveError);
}

TEST(ArchiveStringTest, LengthsBeyondTheDataFailBeforeAllocating) {
  for (const char* hex : {
           "05 61 62",
           "ff ff ff fe ff ff ff 61",                                            // about 4 GB
           "ff ff ff ff ff ff ff ff ff ff ff ff ff ff 7f 61",                    // 2^63
           "ff fe ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff 7f 61 00",  // 2^64 bytes wide
       }) {
    const std::string readerBytes = HexBytes(hex);
    ArchiveReader reader(readerBytes);
    EXPECT_THROW(reader.ReadString(), ArchiveError) << hex;
  }
}

TEST(ArchiveCountTest, SixteenBitsUpToFffeThenEscapes) {
  const struct {
    std::uint64_t count;
    const char* hex;
  } cases[] = {
      {0, "00 00"},
      {0xFFFE, "fe ff"},
      {0xFFFF, "ff ff ff ff 00 00"},
      {0x100000000, "ff ff ff ff ff ff 00 00 00 00 01 00 00 00"},
  };
  for (const auto& c : cases) {
    ArchiveWriter writer;
    writer.WriteCount(c.count);
    EXPECT_EQ(writer.Bytes(), HexBytes(c.hex));
    ArchiveReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadCount(0), c.count);
  }
  // A billion elements of one byte each cannot follow four bytes.
  const std::string billionBytes = HexBytes("ff ff 00 ca 9a 3b 01 02 03 04");
  ArchiveReader billion(billionBytes);
  EXPECT_THROW(billion.ReadCount(1), ArchiveError);
  const std::string fitsBytes = HexBytes("02 00 61 62");
  ArchiveReader fits(fitsBytes);
  EXPECT_EQ(fits.ReadCount(1), 2u);
}

TEST(ArchiveTimeTest, MarkedSixtyFourBitsAndTheOlderForm) {
  EXPECT_EQ(Written([](ArchiveWriter& a) { a.WriteTime(-2); }),
            HexBytes("0a 00 00 80 fe ff ff ff ff ff ff ff"));
  const std::string markedBytes = HexBytes("0a 00 00 80 00 f1 53 65 01 00 00 00");
  ArchiveReader marked(markedBytes);
  EXPECT_EQ(marked.ReadTime(), 0x16553F100);
  const std::string olderBytes = HexBytes("00 f1 53 65 ff ff ff ff");
  ArchiveReader older(olderBytes);
  EXPECT_EQ(older.ReadTime(), 1700000000);
  EXPECT_EQ(older.ReadTime(), 0xFFFFFFFF);
  const std::string cutBytes = HexBytes("0a 00 00 80 00 f1 53");
  ArchiveReader cut(cutBytes);
  EXPECT_THROW(cut.ReadTime(), ArchiveError);
}

TEST(ArchiveObjectTagTest, NewClassOnceThenReferences) {
  EXPECT_EQ(Written([](ArchiveWriter& a) {
              a.WriteObjectTag("VostekItem", 1);
              a.WriteObjectTag("VostekItem", 1);
              a.WriteObjectTag("Other", 3);
              a.WriteObjectTag("Other", 3);
            }),
            HexBytes("ff ff 01 00 0a 00") + "VostekItem" + HexBytes("01 80 ff ff 03 00 05 00") +
                "Other" + HexBytes("04 80"));

  // A class first seen at index 0x7FFF or later is referred to in 32 bits.
  ArchiveWriter many;
  for (int i = 0; i < 0x7FFD; ++i) {
    many.WriteObjectTag("A", 1);
  }
  const std::size_t before = many.Bytes().size();
  many.WriteObjectTag("B", 1);  // class 0x7FFF, object 0x8000
  many.WriteObjectTag("B", 1);
  EXPECT_EQ(many.Bytes().substr(before), HexBytes("ff ff 01 00 01 00 42 ff 7f ff 7f 00 80"));

  ArchiveReader reader(many.Bytes());
  for (int i = 0; i < 0x7FFD; ++i) {
    reader.ReadObjectTag("A", 1);
  }
  reader.ReadObjectTag("B", 1);
  reader.ReadObjectTag("B", 1);
  EXPECT_TRUE(reader.AtEnd());
}

TEST(ArchiveObjectTagTest, AcceptsOnlyNewObjectsOfTheExpectedClass) {
  const std::string first = HexBytes("ff ff 01 00 0a 00") + "VostekItem";
  const std::string bigBytes = first + HexBytes("ff 7f 01 00 00 80");
  ArchiveReader big(bigBytes);
  big.ReadObjectTag("VostekItem", 1);
  EXPECT_NO_THROW(big.ReadObjectTag("VostekItem", 1));

  for (const std::string& bad : {
           HexBytes("00 00"),                             // null object
           first + HexBytes("02 00"),                     // the first object again
           first + HexBytes("ff 7f 02 00 00 00"),         // the same, in 32 bits
           first + HexBytes("02 80"),                     // an object index as a class
           first + HexBytes("05 80"),                     // an index never given
           HexBytes("ff ff 01 00 0a 00") + "VostekData",  // another class
           HexBytes("ff ff 02 00 0a 00") + "VostekItem",  // another schema
           HexBytes("ff ff 01 00 ff 00") + "VostekItem",  // a name longer than the data
       }) {
    ArchiveReader reader(bad);
    EXPECT_THROW(
        {
          reader.ReadObjectTag("VostekItem", 1);
          reader.ReadObjectTag("VostekItem", 1);
        },
        ArchiveError);
  }
}

}  // namespace
