#pragma once
// The frame of the ATI Radeon definitions: DirectX and OpenGL pages.
#include "panels/TuningFrame.h"

namespace tgl {

class TRadeonFrame : public TGenericTuningFrame {
public:
  explicit TRadeonFrame(const TrlCardConfig* card);
  std::string_view ClassName() const override { return "TRadeonFrame"; }
};

}  // namespace tgl
