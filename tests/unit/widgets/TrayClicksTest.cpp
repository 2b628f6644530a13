// What the tray icon does with a mouse message: the menu only while it has one and the
// application is not on screen; a double click always reaches the application.
#include <gtest/gtest.h>

#include "widgets/TrayClicks.h"

namespace tgl::test {
namespace {

TEST(TrayClicks, TheMenuOpensOnlyWithAMenuAndTheApplicationHidden) {
  using enum TTrayMouse;
  using enum TTrayAction;
  const struct {
    TTrayMouse Mouse;
    bool HasMenu;
    bool Shown;
    TTrayAction Action;
  } cases[] = {
      {tmRightButtonUp, true, false, taPopupMenu},  {tmRightButtonUp, true, true, taNone},
      {tmRightButtonUp, false, false, taNone},      {tmRightButtonUp, false, true, taNone},
      {tmLeftDoubleClick, true, true, taDoubleClick}, {tmLeftDoubleClick, false, false, taDoubleClick},
      {tmOther, true, false, taNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TrayActionFor(c.Mouse, c.HasMenu, c.Shown), c.Action)
        << int(c.Mouse) << " menu " << c.HasMenu << " shown " << c.Shown;
}

}  // namespace
}  // namespace tgl::test
