// Keys typed into the Windows list, through the program's own loop: the accelerators
// first, then the characters the keyboard makes of the rest (Caps Lock included), which
// the core's rule takes as search text or not.

#include "frame/win32/frame_fixture.h"
#include "resources/virtual_keys.h"

namespace {

class SearchKeysTest : public Win32FrameTest {
 protected:
  void SetUp() override {
    Win32FrameTest::SetUp();
    AppendItem(globals.data, "apple", 0, 0);
    AppendItem(globals.data, "banana", 0, 1);
    AppendItem(globals.data, ".cherry", 0, 2);
    AppendItem(globals.data, "_date", 0, 3);
  }
};

TEST_F(SearchKeysTest, TypedKeysSearchAsOnLinuxCapsLockIncludedAndAcceleratorsKeepTheirKeys) {
  struct Step {
    int virtualKey;
    unsigned held;
    const char* searchAfter;
  };
  const Step steps[] = {
      {'K', kNone, "K"},
      {'1', kNone, "K1"},
      {vk::kOemMinus, kNone, "K1-"},
      {'A', kShift, "K1-A"},    // a capital searches too
      {'X', kShift, "K1-A"},    // the frame's accelerator (the selection to group 0)
      {'A', kControl, "K1-A"},  // a command key
      {vk::kOemPeriod, kNone, "K1-A"},
      {vk::kSpace, kNone, "K1-A"},
      {vk::kDelete, kNone, "K1-A"},  // the remove command's key, not the search's
      {vk::kBack, kNone, ""},        // the whole text goes at once
      {'A', kNone, "A"},
      {'B', kNone, "AB"},
      {vk::kDelete, kShift, ""},
      {'K', kNone, "K"},
      {vk::kDelete, kControl | kShift, "K"},  // neither the search's nor a command's
      {vk::kBack, kControl, ""},
      // Caps Lock on: capitals without Shift, small letters with it; both search, and
      // Shift+X stays the accelerator's.
      {'K', kCapsLock, "K"},
      {'A', kCapsLock | kShift, "KA"},
      {'X', kCapsLock | kShift, "KA"},
      {'2', kCapsLock, "KA2"},
  };
  ASSERT_NO_FATAL_FAILURE(MakeFrame());
  frame->View()->OnShow();
  Pump();
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message()
                 << "key 0x" << std::hex << step.virtualKey << " held " << step.held);
    Press(step.virtualKey, step.held);
    EXPECT_EQ(frame->View()->Logic().SearchText(), step.searchAfter);
  }
  EXPECT_EQ(globals.data.GetItemCount(), 4);  // Del had no selected row to remove
}

TEST_F(SearchKeysTest, TypedCharactersNeverSelectRowsByTheirNames) {
  ASSERT_NO_FATAL_FAILURE(MakeFrame());
  frame->View()->OnShow();
  Pump();
  SelectRow(0);
  // Not search text, and the list's type-ahead would pick ".cherry" or "_date".
  Press(vk::kOemPeriod);
  ::SendMessageW(List(), WM_CHAR, '_', 0);
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 0);
  EXPECT_EQ(ListView_GetSelectedCount(List()), 1U);
}

}  // namespace
