#pragma once

// In-memory stand-ins for the list, the window and the desktop, and a fixture that gives
// each test a fresh collection and default settings.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "search/migemo_dictionary.h"
#include "store/image_list.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "support/fake_desktop_shell.h"
#include "support/test_globals.h"
#include "view/launcher_view.h"
#include "view/list_control.h"
#include "view/view_host.h"

// Behaves like a report-mode list: rows keep their states, one row at most has the
// focus, and (like a real list, which measures rows it has) it reports no page size
// while it holds no rows.
class FakeListControl : public ListControl {
 public:
  struct Row {
    std::string text;
    int image = -1;
    VostekItem* item = nullptr;
    unsigned state = 0;
  };

  std::vector<Row> rows;
  int countPerPage = 0;
  std::vector<int> ensuredVisible;
  std::vector<int> editedLabels;

  int GetItemCount() const override { return static_cast<int>(rows.size()); }
  int GetCountPerPage() const override { return rows.empty() ? 0 : countPerPage; }
  void DeleteAllItems() override { rows.clear(); }
  void InsertItem(int row, const std::string& text, int image, VostekItem* item) override {
    ASSERT_GE(row, 0);
    ASSERT_LE(row, GetItemCount());
    rows.insert(rows.begin() + row, Row{text, image, item, 0});
  }
  void DeleteItem(int row) override {
    ASSERT_TRUE(Valid(row)) << row;
    rows.erase(rows.begin() + row);
  }
  VostekItem* GetItemData(int row) const override { return Valid(row) ? rows[row].item : nullptr; }
  void SetItemText(int row, const std::string& text) override {
    ASSERT_TRUE(Valid(row)) << row;
    rows[row].text = text;
  }
  void SetItemState(int row, unsigned state, unsigned mask) override {
    if (row == -1) {
      for (Row& each : rows) {
        each.state = (each.state & ~mask) | (state & mask);
      }
      return;
    }
    ASSERT_TRUE(Valid(row)) << row;
    if ((mask & state & LVIS_FOCUSED) != 0) {
      for (Row& each : rows) {
        each.state &= ~LVIS_FOCUSED;
      }
    }
    rows[row].state = (rows[row].state & ~mask) | (state & mask);
  }
  unsigned GetItemState(int row, unsigned mask) const override {
    return Valid(row) ? rows[row].state & mask : 0;
  }
  int GetNextSelected(int row) const override {
    for (int i = row + 1; i < GetItemCount(); ++i) {
      if ((rows[i].state & LVIS_SELECTED) != 0) {
        return i;
      }
    }
    return -1;
  }
  int GetSelectedCount() const override {
    int count = 0;
    for (const Row& each : rows) {
      count += (each.state & LVIS_SELECTED) != 0 ? 1 : 0;
    }
    return count;
  }
  void EnsureVisible(int row) override {
    EXPECT_TRUE(Valid(row)) << row;
    ensuredVisible.push_back(row);
  }
  void EditLabel(int row) override { editedLabels.push_back(row); }

  // Test helpers.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Row& each : rows) {
      texts.push_back(each.text);
    }
    return texts;
  }
  std::vector<int> Selected() const {
    std::vector<int> selected;
    for (int i = 0; i < GetItemCount(); ++i) {
      if ((rows[i].state & LVIS_SELECTED) != 0) {
        selected.push_back(i);
      }
    }
    return selected;
  }
  int Focused() const {
    for (int i = 0; i < GetItemCount(); ++i) {
      if ((rows[i].state & LVIS_FOCUSED) != 0) {
        return i;
      }
    }
    return -1;
  }
  void Select(std::initializer_list<int> which) {
    SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (const int row : which) {
      SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
  }

 private:
  bool Valid(int row) const { return row >= 0 && row < GetItemCount(); }
};

class FakeViewHost : public ViewHost {
 public:
  std::string title;
  bool visible = true;
  int hideCount = 0;
  int bringToFrontCount = 0;
  mutable std::deque<bool> shiftAnswers;  // one per query; empty: Shift is up
  std::deque<std::optional<std::string>> groupNameAnswers;
  int askCount = 0;

  void SetTitle(const std::string& text) override { title = text; }
  bool IsWindowVisible() const override { return visible; }
  void HideWindow() override {
    visible = false;
    ++hideCount;
  }
  void BringToFront() override { ++bringToFrontCount; }
  bool IsShiftDown() const override {
    if (shiftAnswers.empty()) {
      return false;
    }
    const bool down = shiftAnswers.front();
    shiftAnswers.pop_front();
    return down;
  }
  std::optional<std::string> AskGroupName() override {
    ++askCount;
    if (groupNameAnswers.empty()) {
      return std::nullopt;
    }
    std::optional<std::string> answer = groupNameAnswers.front();
    groupNameAnswers.pop_front();
    return answer;
  }
};

class FakeImageList : public ImageList {
 public:
  int added = 0;
  int AddIcon(const IconSource&) override { return added++; }
};

// The view tests' desktop: records what the view opens, by item.
using FakeItemShell = FakeDesktopShell;

class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    // Off unless a test turns them on, so group views show only the group's items.
    g_settings.popular = 0;
    g_settings.recent = 0;
  }

  // Appends an item; `launches` successful launches stamped `time`. Each item gets an
  // icon index of its own.
  VostekItem* Add(const std::string& name, int group = 0, std::uint32_t order = 0, int launches = 0,
                  std::int64_t time = 0) {
    const int icon = data.GetItemCount();
    VostekItem* item = AppendItem(data, name, group, order, launches, time);
    item->SetIcon(icon);
    item->SetTarget(FakeTarget("item" + std::to_string(icon)));
    return item;
  }

  // Names of the items in the group, ordered by their order value (ties: collection order).
  std::vector<std::string> GroupNames(int group) const {
    std::vector<const VostekItem*> items;
    for (int i = 0; i < data.GetItemCount(); ++i) {
      if (data.GetItem(i)->GetGroup() == group) {
        items.push_back(data.GetItem(i));
      }
    }
    std::stable_sort(items.begin(), items.end(), [](const VostekItem* a, const VostekItem* b) {
      return a->GetOrder() < b->GetOrder();
    });
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const VostekItem* item : items) {
      names.push_back(item->GetName());
    }
    return names;
  }

  TestGlobals globals;
  VostekData& data = globals.data;
  std::vector<MessageRecorder::Message>& messages = globals.messages.shown;
  bool& answerOk = globals.messages.answer;
  FakeListControl list;
  FakeViewHost host;
  FakeItemShell shell;
  MigemoDictionary dictionary;  // opens nothing unless a test opens it
  LauncherView view{list, host, dictionary, shell};
};
