#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/message_box.h"
#include "platform/linux/shell_id_list.h"
#include "store/image_list.h"
#include "store/vostek_data.h"
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

// A collection of its own for every test, the settings at their defaults, messages
// recorded instead of shown, and the list widget over a recording desktop.
class ViewTest : public testing::Test {
 protected:
  void SetUp() override {
    m_savedData = g_data;
    g_data = &data;
    data.InitDefault();
    g_settings = Settings{};
    g_viewMode = VIEW_GROUP;
    g_curGroup = 0;
    m_savedHandler =
        SetMessageBoxHandler([this](const std::string& text, MessageButtons, MessageIcon) {
          messages.push_back(text);
          return true;
        });
    view = std::make_unique<CvostekView>(shell);
    view->resize(240, 300);
  }

  void TearDown() override {
    view.reset();
    SetMessageBoxHandler(m_savedHandler);
    g_data = m_savedData;
  }

  VostekItem* AddItem(const std::string& name, int group, std::uint32_t order,
                      std::uint32_t launches = 0) {
    auto item = std::make_unique<VostekItem>();
    item->SetName(name);
    item->SetGroup(group);
    item->SetOrder(order);
    for (std::uint32_t i = 0; i < launches; ++i) {
      item->RecordLaunch(1700000000 + i);
    }
    VostekItem* raw = item.get();
    data.AppendItem(std::move(item));
    return raw;
  }

  void ShowView() {
    view->show();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  std::vector<std::string> RowTexts() const {
    std::vector<std::string> texts;
    for (int row = 0; row < view->count(); ++row) {
      texts.push_back(view->item(row)->text().toStdString());
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

  VostekData data;
  RecordingShell shell;
  std::unique_ptr<CvostekView> view;
  std::vector<std::string> messages;

 private:
  VostekData* m_savedData = nullptr;
  MessageBoxHandler m_savedHandler;
};
