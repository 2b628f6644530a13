#include "panels/FrameVSA100.h"

#include "panels/FramePages.h"

namespace tgl {
namespace {

constexpr TFrameComponent Components[] = {
    PageControl(),
    TabSheet(DirectXSheet, "DirectX", 0),
    Label(DirectXSheet, "Label1", "LOD Bias", 0, 8, 10, 45),
    Label(DirectXSheet, "Label4", "Antialiasing", 0, 8, 42, 53),
    ComboBox(DirectXSheet, "ComboBox1", 201, 88, 8, 65),
    ComboBox(DirectXSheet, "ComboBox4", 203, 88, 40, 65),
    CheckBox(DirectXSheet, "CheckBox3", "Alpha blending", 205, 8, 72, 260),
    TabSheet(GlideSheet, "Glide/OpenGL", 1),
    Label(GlideSheet, "Label2", "LOD Bias", 0, 8, 32, 45),
    Label(GlideSheet, "Label3", "Antialiasing", 0, 8, 82, 53),
    Label(GlideSheet, "HSRLabel", "Hidden Surface Removal", 106, 8, 162, 119),
    CheckBox(GlideSheet, "ForceTruecolorCheck", "Force Truecolor", 102, 8, 56, 220),
    CheckBox(GlideSheet, "CheckBox1", "S3TC xxxxxxxx", 100, 8, 8, 220),
    ComboBox(GlideSheet, "ComboBox2", 101, 88, 26, 81),
    CheckBox(GlideSheet, "TripleBox", "Triple buffering", 104, 8, 112, 220),
    ComboBox(GlideSheet, "ComboBox3", 103, 88, 80, 81),
    CheckBox(GlideSheet, "CheckBox2", "Alpha blending", 105, 8, 136, 260),
    ComboBox(GlideSheet, "HSRCombo", 106, 8, 180, 168),
};

}  // namespace

TFrameVSA100Frame::TFrameVSA100Frame(const TrlCardConfig* card) : TGenericTuningFrame(card) {
  AddComponents(Components);
}

}  // namespace tgl
