// The program settings in [%%Configuration] of Games.CFG, and the toolbar style.
#include <gtest/gtest.h>

#include "MainFormTestSupport.h"

namespace tgl::test {
namespace {

using MainSettings = TMainFormTest;

TEST_F(MainSettings, AFileWithoutTheSectionGivesTheDefaults) {
  Create();
  EXPECT_EQ(Form.Settings(), TMainSettings{});
  EXPECT_EQ(Form.Settings().OnRun, orMinimize);
  EXPECT_TRUE(Form.Settings().ConfirmSaving);
  EXPECT_EQ(View.Games.ViewStyle(), vsIcon);
  EXPECT_TRUE(Startup().NotifyOnWrongValue);
  EXPECT_FALSE(Startup().ShowAllCards);
}

TEST_F(MainSettings, KeysAreReadAsNumbers) {
  Folder.Write("Games.CFG",
               "[%%Configuration]\r\nConfirmSaving=0\r\nConfirmDelete=$0\r\nConfirmDefault=yes\r\n"
               "ConfirmRegistry=0x0\r\nOnRun=258\r\nGenericToolbar=7\r\nGameListStyle=0\r\n"
               "NotifyOnWrongValue=0\r\nShowAllCards=-1\r\n");
  Create();
  const TMainSettings& settings = Form.Settings();
  EXPECT_FALSE(settings.ConfirmSaving);
  EXPECT_FALSE(settings.ConfirmDelete);
  EXPECT_TRUE(settings.ConfirmDefault) << "no number: the default";
  EXPECT_FALSE(settings.ConfirmRegistry);
  EXPECT_EQ(settings.OnRun, 2) << "the low 8 bits of 258";
  EXPECT_TRUE(settings.GenericToolbar);
  EXPECT_EQ(View.Games.ViewStyle(), vsList);
  EXPECT_EQ(View.CheckedViewStyleTag, vsList) << "the menu's check mark follows the style read";
  EXPECT_FALSE(Startup().NotifyOnWrongValue);
  EXPECT_TRUE(Startup().ShowAllCards);
}

TEST_F(MainSettings, SavingWritesTheEightKeysInOrderAndKeepsTheHandWrittenOnes) {
  Folder.Write("Games.CFG",
               "[%%Configuration]\r\nWriteLog=1\r\nShowAllCards=0\r\nOnRun=2\r\n"
               "GameListStyle=0\r\n[Arena]\r\nPath=C:\\Arena.exe\r\n");
  Create();
  Form.Settings().ConfirmDelete = false;
  Form.FormDestroy();
  EXPECT_EQ(Folder.Read("Games.CFG"),
            "[%%Configuration]\r\nWriteLog=1\r\nShowAllCards=0\r\nOnRun=2\r\n"
            "GameListStyle=0\r\nConfirmSaving=1\r\nConfirmDelete=0\r\nConfirmDefault=1\r\n"
            "ConfirmRegistry=1\r\nGenericToolbar=0\r\nNotifyOnWrongValue=1\r\n"
            "[Arena]\r\nPath=C:\\Arena.exe\r\n");

  // In a new file the keys stand in the order they are written.
  Folder.Write("Games.CFG", "");
  TFakeMainView view;
  TTesmoraGLxForm form(view, Frames);
  form.FormCreate({});
  form.FormDestroy();
  EXPECT_EQ(Folder.Read("Games.CFG"),
            "[%%Configuration]\r\nConfirmSaving=1\r\nConfirmDelete=1\r\nConfirmDefault=1\r\n"
            "ConfirmRegistry=1\r\nOnRun=1\r\nGenericToolbar=0\r\nGameListStyle=1\r\n"
            "NotifyOnWrongValue=1\r\n");
}

TEST_F(MainSettings, TheRestoreSettingIsSavedOnlyWhileItIsOn) {
  Folder.Write("Games.CFG", "[%%Configuration]\r\nRestoreDriverSettings=1\r\n");
  Create();
  EXPECT_TRUE(Form.Settings().RestoreDriverSettings);
  Form.FormDestroy();
  const std::string eightKeys =
      "ConfirmSaving=1\r\nConfirmDelete=1\r\nConfirmDefault=1\r\nConfirmRegistry=1\r\n"
      "OnRun=1\r\nGenericToolbar=0\r\nGameListStyle=1\r\nNotifyOnWrongValue=1\r\n";
  EXPECT_EQ(Folder.Read("Games.CFG"),
            "[%%Configuration]\r\nRestoreDriverSettings=1\r\n" + eightKeys);

  TFakeMainView view;
  TTesmoraGLxForm form(view, Frames);
  form.FormCreate({});
  form.Settings().RestoreDriverSettings = false;
  form.FormDestroy();
  EXPECT_EQ(Folder.Read("Games.CFG"), "[%%Configuration]\r\n" + eightKeys);
}

TEST_F(MainSettings, TheToolbarStyleChoosesTheToolbarAndTheMenuImages) {
  Folder.Write("Games.CFG", "[%%Configuration]\r\nGenericToolbar=1\r\n");
  Create();
  EXPECT_TRUE(View.GenericToolbarShown);
  EXPECT_TRUE(View.MenuImages);
  EXPECT_EQ(View.ToolbarPanelHeight, 72);
  Form.Settings().GenericToolbar = false;
  Form.ApplyToolbarStyle();
  EXPECT_FALSE(View.GenericToolbarShown);
  EXPECT_FALSE(View.MenuImages);
  EXPECT_EQ(View.ToolbarPanelHeight, 72);
}

}  // namespace
}  // namespace tgl::test
