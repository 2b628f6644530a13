#pragma once
// The frame of the nVidia TNT definitions: DirectX and OpenGL pages.
#include "panels/TuningFrame.h"

namespace tgl {

class TTNTFrame : public TGenericTuningFrame {
public:
  explicit TTNTFrame(const TrlCardConfig* card);
  std::string_view ClassName() const override { return "TTNTFrame"; }
};

}  // namespace tgl
