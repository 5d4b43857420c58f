#include "app/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <limits>
#include <sstream>
#include <vector>

#include "support/scoped_file_size_limit.h"
#include "support/scoped_temp_dir.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

std::vector<std::string> NonBlankLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) {
      lines.push_back(line);
    }
  }
  return lines;
}

Settings Changed() {
  Settings settings;
  settings.popular = 0;
  settings.recent = 1;
  settings.staygroup = 1;
  settings.showicon = 0;
  settings.showtool = 0;
  settings.hotkey = 0x4B;
  settings.hotkeyMask = 6;
  settings.width = 640;
  settings.height = -1;
  settings.help_start = 1;
  settings.g_autohide = 1;
  return settings;
}

bool SameSettings(const Settings& a, const Settings& b) {
  return a.popular == b.popular && a.recent == b.recent && a.staygroup == b.staygroup &&
         a.showicon == b.showicon && a.showtool == b.showtool && a.hotkey == b.hotkey &&
         a.hotkeyMask == b.hotkeyMask && a.width == b.width && a.height == b.height &&
         a.help_start == b.help_start && a.g_autohide == b.g_autohide;
}

class SettingsFileTest : public testing::Test {
 protected:
  ScopedTempDir m_dir;
  std::string m_path = m_dir.File("setting.ini");
};

}  // namespace

TEST(ParseProfileIntTest, TakesTheLeadingSignedDecimalNumberElseZeroAndSaturates) {
  EXPECT_EQ(ParseProfileInt("12abc"), 12);
  EXPECT_EQ(ParseProfileInt("-3"), -3);
  EXPECT_EQ(ParseProfileInt("+7"), 7);
  EXPECT_EQ(ParseProfileInt("  42"), 42);
  EXPECT_EQ(ParseProfileInt("007"), 7);
  EXPECT_EQ(ParseProfileInt("300 ; wide"), 300);
  EXPECT_EQ(ParseProfileInt("0x20"), 0);

  // Text without a number is zero.
  EXPECT_EQ(ParseProfileInt(""), 0);
  EXPECT_EQ(ParseProfileInt("abc"), 0);
  EXPECT_EQ(ParseProfileInt("-"), 0);
  EXPECT_EQ(ParseProfileInt("- 3"), 0);
  EXPECT_EQ(ParseProfileInt("\xe3\x82\xb0"), 0);

  // Out of range saturates instead of wrapping.
  EXPECT_EQ(ParseProfileInt("2147483647"), kMax);
  EXPECT_EQ(ParseProfileInt("-2147483648"), kMin);
  EXPECT_EQ(ParseProfileInt("2147483648"), kMax);
  EXPECT_EQ(ParseProfileInt("-2147483649"), kMin);
  EXPECT_EQ(ParseProfileInt("4294967296"), kMax);  // would wrap to 0 in 32 bits
  EXPECT_EQ(ParseProfileInt(std::string(400, '9')), kMax);
  EXPECT_EQ(ParseProfileInt("-" + std::string(400, '9')), kMin);
}

TEST_F(SettingsFileTest, WhatIsMissingOrCannotBeReadGivesTheDefaults) {
  EXPECT_TRUE(SameSettings(ReadSettings(m_path), Settings{}));

  WriteTestFile(m_path, "[OTHER]\nwidth=999\n[GENERAL]\nrecent=1\n");
  Settings expected;
  expected.recent = 1;
  EXPECT_TRUE(SameSettings(ReadSettings(m_path), expected));

  std::filesystem::remove(m_path);
  std::filesystem::create_directory(m_path);
  EXPECT_TRUE(SameSettings(ReadSettings(m_path), Settings{}));

  // A pipe in the file's place must not stall the start waiting for a writer.
  std::filesystem::remove(m_path);
  ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
  EXPECT_TRUE(SameSettings(ReadSettings(m_path), Settings{}));
}

TEST_F(SettingsFileTest, NamesCompareWithoutRegardToCase) {
  WriteTestFile(m_path, "[general]\nPOPULAR=0\nWidth=333\nHOTKEYMASK=2\nG_AutoHide=1\n");
  const Settings read = ReadSettings(m_path);
  EXPECT_EQ(read.popular, 0);
  EXPECT_EQ(read.width, 333);
  EXPECT_EQ(read.hotkeyMask, 2);
  EXPECT_EQ(read.g_autohide, 1);
}

TEST_F(SettingsFileTest, JunkValuesReadAsTheirLeadingNumber) {
  WriteTestFile(m_path,
                "[GENERAL]\nwidth=12abc\nheight=\nhotkey=abc\nhotkeyMask=-3\n"
                "popular=99999999999\nrecent = 5 \n");
  const Settings read = ReadSettings(m_path);
  EXPECT_EQ(read.width, 12);
  EXPECT_EQ(read.height, 0);  // present but without a number: 0, not the default
  EXPECT_EQ(read.hotkey, 0);
  EXPECT_EQ(read.hotkeyMask, -3);
  EXPECT_EQ(read.popular, kMax);
  EXPECT_EQ(read.recent, 5);
}

TEST_F(SettingsFileTest, TheFirstOfTwoLinesForAKeyCounts) {
  WriteTestFile(m_path, "[GENERAL]\nwidth=300\nwidth=400\n[general]\nwidth=500\n");
  EXPECT_EQ(ReadSettings(m_path).width, 300);
}

TEST_F(SettingsFileTest, ANewFileHoldsTheElevenKeysInOrder) {
  std::string error;
  ASSERT_TRUE(WriteSettings(m_path, Settings{}, &error)) << error;
  EXPECT_EQ(ReadTestFile(m_path),
            "[GENERAL]\npopular=1\nrecent=0\nstaygroup=0\nshowicon=1\nshowtool=1\nhotkey=32\n"
            "hotkeyMask=1\nwidth=200\nheight=220\nhelp_start=0\ng_autohide=0\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}), 1);
}

TEST_F(SettingsFileTest, WrittenValuesReadBack) {
  std::string error;
  ASSERT_TRUE(WriteSettings(m_path, Changed(), &error)) << error;
  EXPECT_TRUE(SameSettings(ReadSettings(m_path), Changed()));

  Settings extremes;
  extremes.width = kMax;
  extremes.height = kMin;
  ASSERT_TRUE(WriteSettings(m_path, extremes, &error)) << error;
  EXPECT_TRUE(SameSettings(ReadSettings(m_path), extremes));
}

TEST_F(SettingsFileTest, WritingKeepsEveryOtherLineInItsPlace) {
  WriteTestFile(m_path,
                "; settings of my launcher\n"
                "\n"
                "[Other]\n"
                "a=1\n"
                "# hash comment\n"
                "b=text with = sign\n"
                "[General]\n"
                "; before width\n"
                "Width=12abc\n"
                "unknown=7\n"
                "popular=1\n"
                "[third]\n"
                "x=\xe3\x82\xb0\xff\n"
                "; the very last line\n");
  std::string error;
  ASSERT_TRUE(WriteSettings(m_path, Changed(), &error)) << error;

  const std::vector<std::string> expected = {
      "; settings of my launcher",
      "[Other]",
      "a=1",
      "# hash comment",
      "b=text with = sign",
      "[General]",
      "; before width",
      "Width=640",
      "unknown=7",
      "popular=0",
      "recent=1",
      "staygroup=1",
      "showicon=0",
      "showtool=0",
      "hotkey=75",
      "hotkeyMask=6",
      "height=-1",
      "help_start=1",
      "g_autohide=1",
      "[third]",
      "x=\xe3\x82\xb0\xff",
      "; the very last line",
  };
  EXPECT_EQ(NonBlankLines(ReadTestFile(m_path)), expected);
  EXPECT_TRUE(SameSettings(ReadSettings(m_path), Changed()));
}

// Only the values of our keys change, in place; new keys go after the last entry of the
// first GENERAL section. Every other byte stays, line ends and final newline included.
TEST_F(SettingsFileTest, WritingChangesOnlyOurValuesByteForByte) {
  const std::string added =
      "staygroup=1\nshowicon=0\nshowtool=0\nhotkey=75\nhotkeyMask=6\nhelp_start=1\n"
      "g_autohide=1\n";
  struct Case {
    std::string file;
    std::string expected;
  };
  const Case cases[] = {
      {"[GENERAL]\npopular=1\na line without equals\nrecent=0 ; note\nwidth=300\n"
       "width=400\n\n; about other\n[Other]\nheight=1\n[general]\nheight=7\n",
       "[GENERAL]\npopular=0\na line without equals\nrecent=1 ; note\nwidth=640\n"
       "width=400\n" +
           added + "\n; about other\n[Other]\nheight=1\n[general]\nheight=-1\n"},
      {"\xef\xbb\xbf  [ General ]\r\npopular = 1\t# on\r\nrecent=\r\nwidth=1;x\r\n"
       "height=2",
       "\xef\xbb\xbf  [ General ]\r\npopular = 0\t# on\r\nrecent=1\r\nwidth=640;x\r\n"
       "height=-1\r\nstaygroup=1\r\nshowicon=0\r\nshowtool=0\r\nhotkey=75\r\n"
       "hotkeyMask=6\r\nhelp_start=1\r\ng_autohide=1\r\n"},
      // Lines ended by CR alone, as older Mac editors write them.
      {"[GENERAL]\rpopular=1\rwidth=3\r\r[Other]\rheight=9\r",
       "[GENERAL]\rpopular=0\rwidth=640\rrecent=1\rstaygroup=1\rshowicon=0\rshowtool=0\r"
       "hotkey=75\rhotkeyMask=6\rheight=-1\rhelp_start=1\rg_autohide=1\r\r[Other]\rheight=9\r"},
      {"; no section of ours\nwidth=5\n[Other]\nx=1",
       "; no section of ours\nwidth=5\n[Other]\nx=1\n[GENERAL]\npopular=0\nrecent=1\n"
       "staygroup=1\nshowicon=0\nshowtool=0\nhotkey=75\nhotkeyMask=6\nwidth=640\n"
       "height=-1\nhelp_start=1\ng_autohide=1\n"},
  };
  for (const Case& c : cases) {
    WriteTestFile(m_path, c.file);
    std::string error;
    ASSERT_TRUE(WriteSettings(m_path, Changed(), &error)) << error;
    EXPECT_EQ(ReadTestFile(m_path), c.expected);
    EXPECT_TRUE(SameSettings(ReadSettings(m_path), Changed())) << c.expected;
  }
}

TEST_F(SettingsFileTest, WritingTwiceChangesNothingMore) {
  WriteTestFile(m_path, "[x]\n; note\ny=1\n; tail\n");
  std::string error;
  ASSERT_TRUE(WriteSettings(m_path, Changed(), &error)) << error;
  const std::string once = ReadTestFile(m_path);
  ASSERT_TRUE(WriteSettings(m_path, Changed(), &error)) << error;
  EXPECT_EQ(ReadTestFile(m_path), once);
}

TEST_F(SettingsFileTest, AByteOrderMarkStays) {
  WriteTestFile(m_path, "\xef\xbb\xbf[GENERAL]\nwidth=10\n");
  EXPECT_EQ(ReadSettings(m_path).width, 10);
  std::string error;
  ASSERT_TRUE(WriteSettings(m_path, Settings{}, &error)) << error;
  EXPECT_EQ(ReadTestFile(m_path).rfind("\xef\xbb\xbf[GENERAL]\n", 0), 0u);
}

TEST_F(SettingsFileTest, AFileThatIsNotTextOrTooLargeReadsAsDefaultsAndIsLeftAlone) {
  const std::string header = "[GENERAL]\nwidth=10\n";
  const std::string cases[] = {
      header + std::string("\0[lost]\nkeep=1\n", 15),
      header + ";" + std::string(kMaxSettingsFileBytes - header.size(), 'x') + "\n",
  };
  for (const std::string& file : cases) {
    WriteTestFile(m_path, file);
    std::string setAside;
    EXPECT_TRUE(SameSettings(ReadSettings(m_path, &setAside), Settings{}));
    EXPECT_FALSE(setAside.empty());
    std::string error;
    EXPECT_FALSE(WriteSettings(m_path, Changed(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadTestFile(m_path), file);
  }
  // Up to the limit the file is still read.
  WriteTestFile(m_path, header + std::string(kMaxSettingsFileBytes - header.size(), ';'));
  std::string setAside;
  EXPECT_EQ(ReadSettings(m_path, &setAside).width, 10);
  EXPECT_TRUE(setAside.empty());
}

TEST_F(SettingsFileTest, AnUnreadableFileIsNotReplaced) {
  std::filesystem::create_directory(m_path);
  std::string error;
  EXPECT_FALSE(WriteSettings(m_path, Changed(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(std::filesystem::is_directory(m_path));

  std::filesystem::remove(m_path);
  ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
  error.clear();
  EXPECT_FALSE(WriteSettings(m_path, Changed(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(std::filesystem::is_fifo(m_path));
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheOldFile) {
  WriteTestFile(m_path, "[GENERAL]\nwidth=10\n");
  std::string error;
  {
    ScopedFileSizeLimit tooSmall(8);  // the replacement cannot be written whole
    EXPECT_FALSE(WriteSettings(m_path, Changed(), &error));
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadTestFile(m_path), "[GENERAL]\nwidth=10\n");
}
