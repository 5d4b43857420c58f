#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/globals.h"
#include "platform/linux/shell_id_list.h"
#include "store/image_list.h"
#include "store/vostek_data.h"
#include "support/test_globals.h"
#include "view/item_shell.h"
#include "view/launcher_view.h"
#include "view/qt/vostek_view.h"

// Records what the list asks of the desktop; a dropped object becomes an item named after
// its full path (or URI), filed as the desktop would file it.
class RecordingShell : public ItemShell {
 public:
  void Launch(VostekItem& item) override { launched.push_back(item.GetName()); }
  void OpenFolder(VostekItem& item) override { opened.push_back(item.GetName()); }
  void AddItem(const IdList* parent, const IdList* child, ImageList& imageList) override {
    IdListPtr whole(ConcatIdLists(parent, child));
    std::string name = PathFromIdList(whole.get());
    if (name.empty()) {
      name = UriFromIdList(whole.get());
    }
    std::uint32_t order = 0;
    for (int i = 0; i < g_data->GetItemCount(); ++i) {
      const VostekItem* item = g_data->GetItem(i);
      if (item->GetGroup() == g_curGroup && item->GetOrder() + 1 > order) {
        order = item->GetOrder() + 1;
      }
    }
    auto item = std::make_unique<VostekItem>();
    item->SetName(name);
    item->SetGroup(g_curGroup);
    item->SetOrder(order);
    item->SetIcon(imageList.AddIcon(IconSource{}));
    g_data->AppendItem(std::move(item));
  }

  std::vector<std::string> launched;
  std::vector<std::string> opened;
};

// The test's own globals and the list widget over a recording desktop.
class ViewTest : public testing::Test {
 protected:
  void SetUp() override {
    view = std::make_unique<CvostekView>(shell);
    view->resize(240, 300);
  }

  void TearDown() override { view.reset(); }

  VostekItem* AddItem(const std::string& name, int group, std::uint32_t order, int launches = 0) {
    return AppendItem(data, name, group, order, launches);
  }

  void ShowView() {
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  std::vector<std::string> RowTexts() const {
    std::vector<std::string> texts;
    for (int row = 0; row < view->GetItemCount(); ++row) {
      texts.push_back(view->RowText(row).toStdString());
    }
    return texts;
  }

  std::vector<int> SelectedRows() const {
    std::vector<int> rows;
    for (int row = view->GetNextSelected(-1); row != -1; row = view->GetNextSelected(row)) {
      rows.push_back(row);
    }
    return rows;
  }

  TestGlobals globals;
  VostekData& data = globals.data;
  MessageRecorder& messages = globals.messages;
  RecordingShell shell;
  std::unique_ptr<CvostekView> view;
};
