#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "frame/qt/accelerator_keys.h"
#include "frame/command_router.h"
#include "resources/accelerators.h"

namespace {

TEST(CommandRouter, FrameCommandsComeFirstAndViewCommandsRunOnlyWhenTheirRuleAllows) {
  CommandRouter router;
  std::vector<int> ran;
  std::set<int> enabledInView{2};
  router.AddFrameCommand(1, [&] { ran.push_back(1); });
  router.SetViewCommands([&](int id) { return enabledInView.count(id) != 0; },
                         [&](int id) {
                           ran.push_back(id);
                           return true;
                         });

  EXPECT_TRUE(router.IsEnabled(1));
  EXPECT_TRUE(router.IsEnabled(2));
  EXPECT_FALSE(router.IsEnabled(3));

  EXPECT_TRUE(router.Run(1));
  EXPECT_TRUE(router.Run(2));
  EXPECT_FALSE(router.Run(3));  // disabled: not carried out
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));

  enabledInView = {3};
  EXPECT_FALSE(router.Run(2));
  EXPECT_TRUE(router.Run(3));
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
}

TEST(CommandRouter, WithoutAViewOnlyFrameCommandsRun) {
  CommandRouter router;
  int ran = 0;
  router.AddFrameCommand(7, [&] { ++ran; });
  EXPECT_FALSE(router.Run(8));
  EXPECT_FALSE(router.IsEnabled(8));
  EXPECT_TRUE(router.Run(7));
  EXPECT_EQ(ran, 1);
}

TEST(AcceleratorKeys, TranslateVirtualKeysAndModifiers) {
  using Keys = QList<QKeySequence>;
  EXPECT_EQ(AcceleratorKeys({0, 0x0D, 0}),
            (Keys{QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}));
  EXPECT_EQ(
      AcceleratorKeys({kAccelShift, 0x0D, 0}),
      (Keys{QKeySequence(Qt::SHIFT | Qt::Key_Return), QKeySequence(Qt::SHIFT | Qt::Key_Enter)}));
  EXPECT_EQ(AcceleratorKeys({kAccelShift, 'X', 0}), Keys{QKeySequence(Qt::SHIFT | Qt::Key_X)});
  EXPECT_EQ(AcceleratorKeys({kAccelControl, 0x71, 0}), Keys{QKeySequence(Qt::CTRL | Qt::Key_F2)});
  EXPECT_EQ(AcceleratorKeys({kAccelAlt, 0x73, 0}), Keys{QKeySequence(Qt::ALT | Qt::Key_F4)});
  EXPECT_EQ(AcceleratorKeys({kAccelControl, 0x2E, 0}),
            Keys{QKeySequence(Qt::CTRL | Qt::Key_Delete)});
  EXPECT_EQ(AcceleratorKeys({0, 0x25, 0}), Keys{QKeySequence(Qt::Key_Left)});
  EXPECT_EQ(AcceleratorKeys({0, 0x1B, 0}), Keys{QKeySequence(Qt::Key_Escape)});
  EXPECT_TRUE(AcceleratorKeys({0, 0x07, 0}).isEmpty());
}

TEST(AcceleratorKeys, EveryEntryOfTheMainTableHasAKey) {
  for (const Accelerator& accelerator : accelerators::kMainAccelerators) {
    EXPECT_FALSE(AcceleratorKeys(accelerator).isEmpty()) << accelerator.command;
  }
}

}  // namespace
