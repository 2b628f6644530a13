#include "panels/FrameGeForce.h"

#include "panels/FramePages.h"

namespace tgl {
namespace {

constexpr int AntialiasingGroupHeight = 91;

// "Enable Antialiasing" sits on the top edge of its group box, over the group's caption.
constexpr TFrameComponent Components[] = {
    GroupBox(DirectXSheet, "GroupBox1", "Antialiasing", 248, 2, 152, AntialiasingGroupHeight),
    Label("GroupBox1", "Label1", "Antialiasing Quality", 143, 8, 44, 88),
    ComboBox("GroupBox1", "ComboBox1", 143, 8, 62, 137),
    CheckBox("GroupBox1", "DXAntiCheck", "Enable Antialiasing", 141, 8, 0, 129),
    CheckBox("GroupBox1", "DXForceCheck", "Force Antialiasing", 142, 8, 22, 137),
    CheckBox(DirectXSheet, "S3TCCheck", "Enable S3 texture compression", 144, 8, 160, 225),
    CheckBox(DirectXSheet, "CheckBox4", "Paletted tex", 145, 8, 184, 225),
    GroupBox(OpenGLSheet, "AntialiasingGroup", "Antialiasing", 248, 2, 152,
             AntialiasingGroupHeight),
    Label("AntialiasingGroup", "AntialiasingQualityLabel", "Antialiasing Quality", 201, 8, 44,
          88),
    CheckBox("AntialiasingGroup", "AntialiasingCheck", "Force Antialiasing", 200, 8, 22, 129),
    ComboBox("AntialiasingGroup", "AntialiasingCombo", 201, 8, 62, 137),
    CheckBox(OpenGLSheet, "AnisotropicCheck", "Anisotropic", 202, 8, 86, 168),
};

}  // namespace

// "GL Quality" of the included TNT definition stays bound to the hidden texture combo box:
// its value is kept and written, only not shown.
TGeForceFrame::TGeForceFrame(const TrlCardConfig* card) : TTNTFrame(card) {
  HideComponent("Label7");
  HideComponent("GLTextureCombo");
  AddComponents(Components);
}

}  // namespace tgl
