#include "panels/FrameTNT.h"

#include "panels/FramePages.h"

namespace tgl {
namespace {

// The labels beside "Prerender limit" and "VSync control" carry their combo box's Tag; the
// combo boxes come later in the table, so the options bind to them.
constexpr TFrameComponent Components[] = {
    PageControl(),
    TabSheet(DirectXSheet, "DirectX", 0),
    Label(DirectXSheet, "TexelAlignmentLabel", "Texel alignment", 0, 8, 60, 74),
    Label(DirectXSheet, "LODbiasLabel", "LOD Bias", 0, 8, 86, 45),
    Label(DirectXSheet, "Label3", "Prerender limit", 121, 8, 34, 66),
    Label(DirectXSheet, "Label2", "VSync control", 119, 8, 8, 66),
    ComboBox(DirectXSheet, "TexelAlignmentCombo", 102, 112, 56, 120),
    ComboBox(DirectXSheet, "LODbiasCombo", 120, 112, 82, 120),
    CheckBox(DirectXSheet, "DXWBufferCheck", "W-buffer enable", 122, 8, 112, 137),
    CheckBox(DirectXSheet, "DXFogTableCheck", "Fog table", 123, 8, 136, 137),
    ComboBox(DirectXSheet, "DXVSyncCombo", 119, 112, 4, 120),
    ComboBox(DirectXSheet, "DXPreRenderCombo", 121, 112, 30, 120),
    TabSheet(OpenGLSheet, "OpenGL", 1),
    Label(OpenGLSheet, "Label4", "VSync control", 1, 8, 8, 66),
    Label(OpenGLSheet, "Label5", "Prerender limit", 2, 8, 34, 66),
    Label(OpenGLSheet, "Label6", "Flipping mode", 3, 8, 60, 65),
    Label(OpenGLSheet, "Label7", "Textures depth", 4, 8, 86, 71),
    ComboBox(OpenGLSheet, "GLVSyncCombo", 1, 112, 4, 120),
    ComboBox(OpenGLSheet, "GLPreRenderCombo", 2, 112, 30, 120),
    ComboBox(OpenGLSheet, "GLFlippingCombo", 3, 112, 56, 120),
    ComboBox(OpenGLSheet, "GLTextureCombo", 4, 112, 82, 120),
};

}  // namespace

TTNTFrame::TTNTFrame(const TrlCardConfig* card) : TGenericTuningFrame(card) {
  AddComponents(Components);
}

}  // namespace tgl
