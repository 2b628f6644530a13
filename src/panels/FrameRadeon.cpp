#include "panels/FrameRadeon.h"

#include "panels/FramePages.h"

namespace tgl {
namespace {

// The check boxes' layout captions are placeholders: each shows its option's caption.
constexpr TFrameComponent Components[] = {
    PageControl(),
    TabSheet(DirectXSheet, "DirectX", 0),
    Label(DirectXSheet, "DXAntialiasingModeLabel", "Antialiasing", 0, 8, 40, 53),
    Label(DirectXSheet, "Label1", "Antialiasing Mode", 205, 8, 12, 83),
    Label(DirectXSheet, "Label2", "Dithering", 206, 8, 138, 42),
    ComboBox(DirectXSheet, "DXAntialiasingCombo", 204, 128, 36, 121),
    CheckBox(DirectXSheet, "VSyncCheck", "VSyncCheck", 201, 8, 64, 228),
    CheckBox(DirectXSheet, "Z16Check", "Force 16-bit z-buffer", 203, 8, 112, 228),
    CheckBox(DirectXSheet, "DXS3TCCheck", "S3TC xxxxxxxxxxxxxxxxx", 202, 8, 88, 228),
    ComboBox(DirectXSheet, "AntiModeBox", 205, 128, 8, 121),
    ComboBox(DirectXSheet, "ComboBox2", 206, 128, 134, 121),
    TabSheet(OpenGLSheet, "OpenGL", 1),
    Label(OpenGLSheet, "AntialiasingModeLabel", "Antialiasing Mode", 0, 8, 12, 83),
    ComboBox(OpenGLSheet, "AntialiasingModeCombo", 101, 128, 8, 121),
    CheckBox(OpenGLSheet, "GL16tCheck", "Force 16-bit textures", 102, 8, 136, 228),
    CheckBox(OpenGLSheet, "GL16zCheck", "Force 16-bit z-buffer", 103, 8, 112, 228),
    CheckBox(OpenGLSheet, "GLVSyncCheck", "VSyncCheck", 104, 8, 64, 228),
    CheckBox(OpenGLSheet, "GLAlphaCheck", "Alpha & Dithering", 105, 8, 160, 280),
    CheckBox(OpenGLSheet, "GLS3TCCheck", "S3TC xxxxxxx", 106, 8, 88, 228),
    CheckBox(OpenGLSheet, "CheckBox1", "Anisotropic filtering", 107, 8, 40, 228),
};

}  // namespace

TRadeonFrame::TRadeonFrame(const TrlCardConfig* card) : TGenericTuningFrame(card) {
  AddComponents(Components);
}

}  // namespace tgl
