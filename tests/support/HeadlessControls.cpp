#include "support/HeadlessControls.h"

#include <stdexcept>

#include "panels/ControlSet.h"

namespace tgl::test {

THeadlessControl::THeadlessControl(const TFrameComponent& component)
    : TControl(component), FCaption(component.Caption), FVisible(component.Visible) {
  if (component.Kind == cmPageControl) FItemIndex = 0;
  if (component.Kind == cmComboBox) FDropDownCount = DefaultDropDownCount;
}

void THeadlessControl::SetChecked(bool checked) {
  if (Kind() == cmCheckBox) FChecked = checked;
}

void THeadlessControl::SetItems(const TStrings& items) {
  if (Kind() != cmComboBox) return;
  FItems = items;
  FItemIndex = -1;
}

// As a real combo box: an index outside the entries clears the selection.
void THeadlessControl::SetItemIndex(int index) {
  if (Kind() == cmComboBox) FItemIndex = index >= 0 && index < Entries() ? index : -1;
  if (Kind() == cmPageControl && index >= 0) FItemIndex = index;
}

void THeadlessControl::SetDropDownCount(int count) {
  if (Kind() == cmComboBox) FDropDownCount = count;
}

void THeadlessControl::Click() {
  if (Kind() != cmCheckBox) return;
  FChecked = !FChecked;
  Changed();
}

void THeadlessControl::Pick(int index) {
  if (Kind() != cmComboBox || index < 0 || index >= Entries())
    throw std::logic_error("a user can pick only an entry of a combo box's list");
  FItemIndex = index;
  Changed();
}

std::unique_ptr<TControlSet> THeadlessPanel::Realize(const std::vector<TFrameComponent>& layout) {
  ParentIndexes(layout);  // a layout the real panel would refuse is refused here too
  auto controls = std::make_unique<TControlSet>();
  for (const TFrameComponent& component : layout)
    controls->Add(std::make_unique<THeadlessControl>(component));
  return controls;
}

THeadlessControl& HeadlessControl(const TControlSet& controls, std::string_view name) {
  auto* control = dynamic_cast<THeadlessControl*>(controls.Find(name));
  if (!control) throw std::logic_error("no headless control " + std::string(name));
  return *control;
}

}  // namespace tgl::test
