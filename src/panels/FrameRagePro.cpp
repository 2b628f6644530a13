#include "panels/FrameRagePro.h"

namespace tgl {
namespace {

// Straight on the frame: this frame has no page control.
constexpr TFrameComponent Components[] = {
    Label("", "Label1", "Default Game Refresh", 0, 8, 16, 105),
    ComboBox("", "GameRefreshCombo", 1, 128, 8, 57),
};

}  // namespace

TRageProFrame::TRageProFrame(const TrlCardConfig* card) : TGenericTuningFrame(card) {
  AddComponents(Components);
}

}  // namespace tgl
