#pragma once

#include <cstdint>
#include <future>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/answer_readings.h"
#include "search/name_index.h"
#include "store/id_list.h"

class DesktopShell;
class ImageList;
class ListControl;
class MigemoDictionary;
class ViewHost;
class VostekData;
class VostekItem;

// One dropped object: the absolute list of its parent (the file's folder, or the empty
// list for a URI) and its own list relative to that parent.
struct DroppedObject {
  IdListPtr parent;
  IdListPtr child;
};

// An entry of the item popup's move-to-group sub-menu.
struct MoveToGroupEntry {
  std::string text;  // the group's name
  int id = 0;        // ID_MOVE_TO_GROUP + group index
  bool enabled = true;
};

// The move-to-group sub-menu: either greyed (keeping its placeholder), or these entries.
struct MoveToGroupMenu {
  bool greyed = false;
  std::vector<MoveToGroupEntry> entries;
};

// The toolkit-neutral launcher list: what is shown for g_viewMode, g_curGroup and the
// search text, and everything the user does to items and groups. Works on g_data and
// g_settings, the rows of `list` and the window around it through `host`, and opens and
// takes in items through the desktop's `shell`.
class LauncherView {
 public:
  LauncherView(ListControl& list, ViewHost& host, MigemoDictionary& dictionary,
               DesktopShell& shell);
  LauncherView(const LauncherView&) = delete;
  LauncherView& operator=(const LauncherView&) = delete;

  // Rebuilds every row and the window title from the collection, the view mode, the
  // shown group and the search text; row 0 ends selected and focused.
  void RefreshList();
  // Inserts one row for `item` at `row`, with its icon while icons are shown.
  void InsertListItem(int row, VostekItem* item);

  // Search keys. OnChar appends what SearchCharacter makes of a typed character (with
  // Shift held or not), then refreshes, and answers whether it consumed the character;
  // everything else goes to the list.
  bool OnChar(unsigned code, bool shift = false);
  // Backspace (8) and Delete (0x2E) clear the whole search text and refresh.
  void OnKeyDown(int virtualKey);
  const std::string& SearchText() const { return m_search; }
  // Starts indexing the collection's names on a worker thread, unless their index is
  // current or under way: the next search then need not wait for all of it. For when
  // the program has nothing else to do, before the user may type.
  void PrepareSearch();
  // Waits for the indexing PrepareSearch started, if any: for a process that ends
  // without this view's teardown.
  void FinishPreparingSearch();

  // Hides the window (when shown) and resets what the next showing shows.
  void OnHide();
  void OnActivateApp(bool active);

  // The settings toggles the view handles; each flips its setting to exactly 0 or 1.
  // The front end updates check marks and the image list from g_settings afterwards.
  void OnStayGroup();
  void OnAutoHide();
  void OnViewIcon();
  void OnViewPopular();
  void OnViewRecent();

  // Item commands, on the selected rows.
  void OnItemLaunch();
  void OnItemOpenFolder();
  void OnItemRemove();
  void OnItemRename();
  // The end of an in-place edit of `row`; no text when it was cancelled.
  void OnEndLabelEdit(int row, const std::optional<std::string>& text);
  void OnItemUp();
  void OnItemDown();
  // `commandId` is ID_MOVE_TO_GROUP + target group.
  void OnMoveToGroup(int commandId);
  void OnFileAdd();
  MoveToGroupMenu BuildMoveToGroupMenu() const;

  // Mouse gestures. `row` is the row under the cursor, or -1.
  void OnMButtonDown(int row);
  void OnMButtonUp();
  // With the middle button held, steps to the previous (delta > 0) or next view and
  // returns true. The list scrolls either way.
  bool OnMouseWheel(bool middleButtonDown, int delta);
  bool WheelSwitched() const { return m_wheelSwitched; }

  // Group commands.
  void OnGroupNew();
  void OnGroupDelete();
  void OnGroupRename();
  void OnGroupPrev();
  void OnGroupNext();

  // Takes in dropped objects as new items of the shown group. False (and no change)
  // when there is nothing to take.
  bool OnDrop(std::span<const DroppedObject> objects, ImageList& imageList);

  // Enabling rules.
  bool OnUpdateItemSelected() const;
  bool OnUpdateItemMove() const;
  bool OnUpdateGroupEdit() const;
  bool OnUpdateGroupCycle() const;

  // The command table. IsCommandEnabled: its rule allows it now (ids without a rule are
  // enabled; ids without a handler here are not). RunCommand: runs the handler when the
  // rule allows; true when the id is one of the view's, whether or not its rule let it run.
  bool IsCommandEnabled(int id) const;
  bool RunCommand(int id);

 private:
  void StepCycle(int direction);  // +1 next, -1 previous
  // The index of g_data's names, rebuilt first when they changed since it was built.
  const NameIndex& CurrentNameIndex();
  std::vector<std::string_view> CurrentNames() const;

  ListControl& m_list;
  ViewHost& m_host;
  MigemoDictionary& m_dictionary;
  AnswerReadings m_answerReadings;  // the dictionary's answers the searches have read
  DesktopShell& m_shell;
  std::string m_search;          // only A-Z, 0-9 and "-"
  bool m_wheelSwitched = false;  // the wheel switched the view while the middle button was held
  NameIndex m_nameIndex;
  const VostekData* m_indexedData = nullptr;  // the collection and the names generation
  std::uint64_t m_indexedGeneration = 0;      // m_nameIndex was built from
  std::future<NameIndex> m_preparedIndex;     // PrepareSearch's, until taken
  const VostekData* m_preparedData = nullptr;
  std::uint64_t m_preparedGeneration = 0;
};
