// Commands reach the Windows front end from the menus, the accelerators and the toolbar
// through one router that applies each command's rule; keys meant for the name editor
// never become commands. Only what the toolkit-neutral tests cannot see is checked here:
// the Win32 wiring of ids and keys.

#include <optional>

#include "frame/check_marks.h"
#include "frame/win32/frame_fixture.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/virtual_keys.h"

namespace {

class CommandRoutingTest : public Win32FrameTest {
 protected:
  void SetUp() override {
    Win32FrameTest::SetUp();
    globals.data.AddGroup("グループ1");
  }

  // Three items in group 0 and one in group 1, whatever the last case left.
  void Refill() {
    while (globals.data.GetItemCount() > 0) {
      globals.data.RemoveItemAt(0);
    }
    AppendItem(globals.data, "apple", 0, 0);
    AppendItem(globals.data, "banana", 0, 1);
    AppendItem(globals.data, "cherry", 0, 2);
    AppendItem(globals.data, "kiwi", 1, 0, 3);
  }
};

enum class Source { Menu, ToolBar, Accelerator, KeyInEditor };

TEST_F(CommandRoutingTest, MenuToolBarAndAcceleratorIdsRunTheirCommandsWhereTheRulesAllow) {
  using Names = std::vector<std::string>;
  struct Case {
    const char* what;
    Source source;
    int idOrKey;
    unsigned held;
    int popular;  // the popular view shown (1) or the group below
    int group;
    int selected;  // -1: none
    int groupAfter;
    std::optional<Names> rowsAfter;  // none: as before
    bool visibleAfter;
  };
  const Names abc{"apple", "banana", "cherry"};
  const Names bac{"banana", "apple", "cherry"};
  const Case cases[] = {
      {"menu: move down", Source::Menu, ID_ITEM_DOWN, kNone, 0, 0, 0, 0, bac, true},
      {"toolbar: move down", Source::ToolBar, ID_ITEM_DOWN, kNone, 0, 0, 0, 0, bac, true},
      {"Ctrl+D: move down", Source::Accelerator, 'D', kControl, 0, 0, 0, 0, bac, true},
      {"Ctrl+D without a selection: the rule stops it", Source::Accelerator, 'D', kControl, 0, 0,
       -1, 0, std::nullopt, true},
      {"menu: move down without a selection", Source::Menu, ID_ITEM_DOWN, kNone, 0, 0, -1, 0,
       std::nullopt, true},
      {"toolbar: move up in the popular view: the rule stops it", Source::ToolBar, ID_ITEM_UP,
       kNone, 1, 0, 1, 0, std::nullopt, true},
      {"Ctrl+U in the popular view", Source::Accelerator, 'U', kControl, 1, 0, 1, 0, std::nullopt,
       true},
      {"menu: next group", Source::Menu, ID_GROUP_NEXT, kNone, 0, 0, -1, 1, Names{"kiwi"}, true},
      {"toolbar: next group", Source::ToolBar, ID_GROUP_NEXT, kNone, 0, 0, -1, 1, Names{"kiwi"},
       true},
      {"Right: next group", Source::Accelerator, vk::kRight, kNone, 0, 0, -1, 1, Names{"kiwi"},
       true},
      {"Left from group 1: previous group", Source::Accelerator, vk::kLeft, kNone, 0, 1, -1, 0, abc,
       true},
      {"Del: remove", Source::Accelerator, vk::kDelete, kNone, 0, 0, 1, 0, Names{"apple", "cherry"},
       true},
      {"Shift+X: the selection to group 0", Source::Accelerator, 'X', kShift, 0, 1, 0, 1, Names{},
       true},
      {"Esc: hide", Source::Accelerator, vk::kEscape, kNone, 0, 0, -1, 0, std::nullopt, false},
      {"tray menu's show entry while shown", Source::Menu, ID_SHOW, kNone, 0, 0, -1, 0,
       std::nullopt, true},
      {"Del in the name editor stays there", Source::KeyInEditor, vk::kDelete, kNone, 0, 0, 1, 0,
       std::nullopt, true},
      {"Right in the name editor stays there", Source::KeyInEditor, vk::kRight, kNone, 0, 0, -1, 0,
       std::nullopt, true},
      {"Esc in the name editor stays there", Source::KeyInEditor, vk::kEscape, kNone, 0, 0, -1, 0,
       std::nullopt, true},
  };
  ASSERT_NO_FATAL_FAILURE(MakeFrame());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Hidden, so that showing rebuilds the rows from the collection as it is now.
    ::ShowWindow(frame->Handle(), SW_HIDE);
    Refill();
    g_settings.popular = c.popular;
    g_viewMode = c.popular != 0 ? VIEW_POPULAR : VIEW_GROUP;
    g_curGroup = c.group;
    frame->View()->OnShow();
    Pump();
    SelectRow(c.selected);
    const Names before = Rows();
    switch (c.source) {
      case Source::Menu:
        ::SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(c.idOrKey, 0), 0);
        break;
      case Source::ToolBar:
        ::SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(c.idOrKey, BN_CLICKED),
                       reinterpret_cast<LPARAM>(ToolBar()));
        break;
      case Source::Accelerator:
        Press(c.idOrKey, c.held);
        break;
      case Source::KeyInEditor: {
        HWND editor = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD, 0, 0, 10, 10, List(), nullptr,
                                        nullptr, nullptr);
        Press(c.idOrKey, c.held, editor);
        ::DestroyWindow(editor);
        break;
      }
    }
    EXPECT_EQ(g_curGroup, c.groupAfter);
    EXPECT_EQ(Rows(), c.rowsAfter.value_or(before));
    EXPECT_EQ(::IsWindowVisible(frame->Handle()) != FALSE, c.visibleAfter);
  }
}

TEST_F(CommandRoutingTest, SettingsMenuMarksFollowTheirSettingsAndTheirCommandsFlipThem) {
  g_settings.staygroup = 1;
  g_settings.showtool = 0;
  ASSERT_NO_FATAL_FAILURE(MakeFrame());
  HMENU settings = ::GetSubMenu(::GetMenu(frame->Handle()), menus::kSettingsMenuPosition);
  const auto checked = [settings](int id) {
    return (::GetMenuState(settings, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  for (const int id : CheckMarkIds()) {
    SCOPED_TRACE(id);
    const bool was = IsChecked(id, g_settings);
    EXPECT_EQ(checked(id), was);
    ::SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(IsChecked(id, g_settings), !was);
    EXPECT_EQ(checked(id), !was);
  }
  // The toolbar went on with its mark.
  EXPECT_NE(::GetWindowLongW(ToolBar(), GWL_STYLE) & WS_VISIBLE, 0);
}

}  // namespace
