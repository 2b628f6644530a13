#pragma once
// The frame of the 3dfx Voodoo3 definitions: DirectX and Glide/OpenGL pages.
#include "panels/TuningFrame.h"

namespace tgl {

class TVoodoo3Frame : public TGenericTuningFrame {
public:
  explicit TVoodoo3Frame(const TrlCardConfig* card);
  std::string_view ClassName() const override { return "TVoodoo3Frame"; }
};

}  // namespace tgl
