#pragma once
// The controls of one placed tuning frame, in the order of the frame's components. The set
// owns them and frees them from the last to the first, children before their parents, and
// only then what they live in (the frame's own window, its tooltip).
#include <memory>
#include <string_view>
#include <vector>

#include "panels/Control.h"

namespace tgl {

// What the controls of a set live in; freed after them.
class TControlHost {
public:
  virtual ~TControlHost() = default;
  // Shows the controls once they are all made, and takes them out of sight before they are
  // freed: made or freed one by one in sight, each would repaint what is around it.
  virtual void Reveal() {}
  virtual void Conceal() {}
};

class TControlSet {
public:
  explicit TControlSet(std::unique_ptr<TControlHost> host = nullptr) : FHost(std::move(host)) {}
  ~TControlSet();
  TControlSet(const TControlSet&) = delete;
  TControlSet& operator=(const TControlSet&) = delete;

  TControl& Add(std::unique_ptr<TControl> control);
  // Shows the set's controls at once, after the last was added or when the set comes back
  // into use; Conceal takes them out of sight (and of the keyboard's reach) together.
  void Reveal() {
    if (FHost) FHost->Reveal();
  }
  void Conceal() {
    if (FHost) FHost->Conceal();
  }

  int Count() const { return static_cast<int>(FControls.size()); }
  // 0-based, in component order. Error: "List index out of bounds (%d)".
  TControl& Controls(int index) const;
  // The control of the named component, or nullptr.
  TControl* Find(std::string_view name) const;
  // The last control in component order that carries `tag`, or nullptr: a label laid out
  // before the control it describes never hides that control.
  TControl* LastWithTag(int tag) const;

  auto begin() const { return FControls.begin(); }
  auto end() const { return FControls.end(); }

private:
  // Declared first, so it outlives the controls.
  std::unique_ptr<TControlHost> FHost;
  std::vector<std::unique_ptr<TControl>> FControls;
};

}  // namespace tgl
