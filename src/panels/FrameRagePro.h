#pragma once
// The frame of the ATI Rage Pro definitions: one choice, no pages.
#include "panels/TuningFrame.h"

namespace tgl {

class TRageProFrame : public TGenericTuningFrame {
public:
  explicit TRageProFrame(const TrlCardConfig* card);
  std::string_view ClassName() const override { return "TRageProFrame"; }
};

}  // namespace tgl
