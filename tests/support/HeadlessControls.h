#pragma once
// Controls without windows, made from a tuning frame's layout: what the tests put in place
// of the real user interface. They keep the state a real control keeps, refuse the state of
// another kind of control as real controls do, and let a test act as the user.
#include <memory>
#include <string>
#include <vector>

#include "panels/Control.h"
#include "panels/FramePanel.h"

namespace tgl::test {

class THeadlessControl : public TControl {
public:
  explicit THeadlessControl(const TFrameComponent& component);

  std::string Caption() const override { return FCaption; }
  void SetCaption(const std::string& caption) override { FCaption = caption; }
  std::string Hint() const override { return FHint; }
  void SetHint(const std::string& hint) override { FHint = hint; }
  bool Visible() const override { return FVisible; }
  void SetVisible(bool visible) override { FVisible = visible; }
  bool Enabled() const override { return FEnabled; }
  void SetEnabled(bool enabled) override { FEnabled = enabled; }
  bool Checked() const override { return FChecked; }
  void SetChecked(bool checked) override;
  TStrings Items() const override { return FItems; }
  void SetItems(const TStrings& items) override;
  int ItemIndex() const override { return FItemIndex; }
  void SetItemIndex(int index) override;
  int DropDownCount() const override { return FDropDownCount; }
  void SetDropDownCount(int count) override;

  // The user clicks the check box: its state flips and the change is raised. Nothing
  // happens on other kinds of control.
  void Click();
  // The user picks entry `index` from the combo box's list; the change is raised.
  void Pick(int index);

private:
  int Entries() const { return static_cast<int>(FItems.size()); }

  std::string FCaption;
  std::string FHint;
  bool FVisible;
  bool FEnabled = true;
  bool FChecked = false;
  TStrings FItems;
  int FItemIndex = -1;
  int FDropDownCount = 0;
};

// A panel that makes headless controls; the page control shows its first page.
class THeadlessPanel : public TFramePanel {
public:
  std::unique_ptr<TControlSet> Realize(const std::vector<TFrameComponent>& layout) override;
};

// The headless control of the named component of a placed frame's controls.
THeadlessControl& HeadlessControl(const TControlSet& controls, std::string_view name);

}  // namespace tgl::test
