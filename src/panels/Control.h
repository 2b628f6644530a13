#pragma once
// A control of a tuning frame as the core sees it: what the control proxies read and write.
// The user interface implements it over real windows, the tests over plain data.
//
// Every control offers the whole interface; the state of another kind of control is not
// there: a check box has no items, a label is never checked. Writing such state does
// nothing and reading it gives the empty value (unchecked, no items, no selection).
#include <functional>
#include <string>
#include <string_view>

#include "base/StringList.h"
#include "panels/FrameComponent.h"

namespace tgl {

class TControl {
public:
  explicit TControl(const TFrameComponent& component) : FComponent(component) {}
  virtual ~TControl() = default;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  // The layout the control was made from.
  const TFrameComponent& Component() const { return FComponent; }
  std::string_view Name() const { return FComponent.Name; }
  TComponentKind Kind() const { return FComponent.Kind; }
  int Tag() const { return FComponent.Tag; }

  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // The tooltip text; empty for none.
  virtual std::string Hint() const = 0;
  virtual void SetHint(const std::string& hint) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  // Check boxes.
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;

  // Combo boxes: the entries, the selected one (-1 for none; an index outside the entries
  // selects none) and the number of lines of the drop-down list. Page controls: the page
  // shown is the item index.
  virtual TStrings Items() const = 0;
  virtual void SetItems(const TStrings& items) = 0;
  virtual int ItemIndex() const = 0;
  virtual void SetItemIndex(int index) = 0;
  virtual int DropDownCount() const = 0;
  virtual void SetDropDownCount(int count) = 0;

  // Raised once for every change the user makes: a click on a check box, a pick from a
  // combo box. Changes made through this interface raise nothing.
  void SetOnChange(std::function<void()> handler) { FOnChange = std::move(handler); }

protected:
  void Changed() {
    // A copy, so a handler may replace itself while it runs.
    if (std::function<void()> handler = FOnChange) handler();
  }

private:
  TFrameComponent FComponent;
  std::function<void()> FOnChange;
};

// The number of drop-down lines a combo box has until someone sets it.
inline constexpr int DefaultDropDownCount = 8;

}  // namespace tgl
