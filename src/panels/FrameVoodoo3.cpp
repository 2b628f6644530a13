#include "panels/FrameVoodoo3.h"

#include "panels/FramePages.h"

namespace tgl {
namespace {

constexpr TFrameComponent Components[] = {
    PageControl(),
    TabSheet(DirectXSheet, "DirectX", 0),
    Label(DirectXSheet, "Label1", "LOD Bias", 201, 8, 12, 45),
    Label(DirectXSheet, "Label4", "Post filter", 206, 8, 60, 43),
    ComboBox(DirectXSheet, "ComboBox1", 201, 88, 8, 100),
    CheckBox(DirectXSheet, "CheckBox3", "Alpha blending", 205, 8, 34, 260),
    ComboBox(DirectXSheet, "ComboBox4", 206, 88, 54, 100),
    TabSheet(GlideSheet, "Glide/OpenGL", 1),
    Label(GlideSheet, "Label2", "LOD Bias", 0, 8, 12, 45),
    Label(GlideSheet, "Label3", "Post filter", 0, 8, 60, 43),
    ComboBox(GlideSheet, "ComboBox2", 101, 88, 8, 100),
    CheckBox(GlideSheet, "TripleBox", "Triple buffering", 104, 8, 84, 228),
    CheckBox(GlideSheet, "CheckBox2", "Alpha blending", 105, 8, 34, 260),
    ComboBox(GlideSheet, "ComboBox3", 106, 88, 54, 100),
};

}  // namespace

TVoodoo3Frame::TVoodoo3Frame(const TrlCardConfig* card) : TGenericTuningFrame(card) {
  AddComponents(Components);
}

}  // namespace tgl
