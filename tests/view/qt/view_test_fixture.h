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
#include "support/fake_desktop_shell.h"
#include "support/test_globals.h"
#include "view/launcher_view.h"
#include "view/qt/vostek_view.h"

// Records what the list opens, by item name; a dropped object becomes an item named
// after its full path (or URI).
class RecordingShell : public FakeDesktopShell {
 public:
  std::string DisplayNameOf(const IdList* parent, const IdList* child) override {
    IdListPtr whole(ConcatIdLists(parent, child));
    const std::string path = PathFromIdList(whole.get());
    return path.empty() ? UriFromIdList(whole.get()) : path;
  }
  bool Open(const IdList* target, std::string* error) override {
    FakeDesktopShell::Open(target, error);
    launched.push_back(calls.back().item != nullptr ? calls.back().item->GetName() : "");
    return true;
  }
  FolderOpening OpenContainingFolder(const IdList* target, std::string* error) override {
    FakeDesktopShell::OpenContainingFolder(target, error);
    opened.push_back(calls.back().item != nullptr ? calls.back().item->GetName() : "");
    return FolderOpening::Opened;
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
    VostekItem* item = AppendItem(data, name, group, order, launches);
    item->SetTarget(FakeTarget("item" + std::to_string(data.GetItemCount())));
    return item;
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
