#pragma once
// The tuning frame: the panel of controls for one family of tuning definitions. A frame
// class only lays out components; the option hub creates the frame by its registered name
// (FrameRegistry.h), puts it in its panel, and the control proxies find the controls by
// their Tags.
#include <memory>
#include <string_view>
#include <vector>

#include "panels/ControlSet.h"
#include "panels/FrameComponent.h"
#include "panels/FramePanel.h"

namespace tgl {

// Held by pointer only. Its header stays out of here: the Win32 frame code includes this
// one beside <windows.h>, whose macros share names with the card's display-device record.
class TrlCardConfig;

class TGenericTuningFrame {
public:
  explicit TGenericTuningFrame(const TrlCardConfig* card)
      : FCard(card), FControls(std::make_unique<TControlSet>()) {}
  virtual ~TGenericTuningFrame() = default;
  TGenericTuningFrame(const TGenericTuningFrame&) = delete;
  TGenericTuningFrame& operator=(const TGenericTuningFrame&) = delete;

  virtual std::string_view ClassName() const { return "TGenericTuningFrame"; }

  // The card the frame was made for; the frame itself does not use it.
  const TrlCardConfig* Card() const { return FCard; }

  // The components in creation order: an ancestor's before the descendant's, depth first,
  // and within one parent the labels before the windowed controls.
  const std::vector<TFrameComponent>& Layout() const { return FLayout; }

  // Makes the frame's controls in `panel`, which the frame then fills. A frame is placed
  // once: its controls live as long as the frame, and proxies keep pointers to them.
  // Error on a second placement: "TuningFrame: a frame is placed only once".
  void SetParent(TFramePanel& panel);
  bool HasParent() const { return FPlaced; }
  // A placed frame is shown; a frame kept aside for later is hidden, and shown again.
  void SetShown(bool shown) {
    if (shown)
      FControls->Reveal();
    else
      FControls->Conceal();
  }

  // The controls, in component order; none before the frame is placed.
  const TControlSet& Controls() const { return *FControls; }

protected:
  // For the frame classes' constructors: appends layout rows and hides inherited ones.
  void AddComponents(const TFrameComponent* first, const TFrameComponent* last);
  template <size_t N>
  void AddComponents(const TFrameComponent (&table)[N]) {
    AddComponents(table, table + N);
  }
  void HideComponent(std::string_view name);

private:
  const TrlCardConfig* FCard;
  std::vector<TFrameComponent> FLayout;
  std::unique_ptr<TControlSet> FControls;
  bool FPlaced = false;
};

}  // namespace tgl
