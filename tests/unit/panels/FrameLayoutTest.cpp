// The six tuning frames against their layout tables: every component with its parent,
// name, kind, caption, Tag, bounds and visibility, in creation order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Errors.h"
#include "cards/CardConfig.h"
#include "panels/FrameGeForce.h"
#include "panels/FrameRegistry.h"

namespace tgl::test {
namespace {

// parent|name|kind|caption|Tag|left,top,width,height, then " fills", " image=N" and
// " hidden" where the component is not as the defaults have it.
std::string Row(const TFrameComponent& component) {
  const TBounds& b = component.Bounds;
  std::string row = std::string(component.Parent) + "|" + std::string(component.Name) + "|" +
                    std::string(ComponentKindName(component.Kind)) + "|" +
                    std::string(component.Caption) + "|" + std::to_string(component.Tag) + "|" +
                    std::to_string(b.Left) + "," + std::to_string(b.Top) + "," +
                    std::to_string(b.Width) + "," + std::to_string(b.Height);
  if (component.FillsParent) row += " fills";
  if (component.ImageIndex != 0) row += " image=" + std::to_string(component.ImageIndex);
  if (!component.Visible) row += " hidden";
  return row;
}

std::vector<std::string> Rows(const TGenericTuningFrame& frame) {
  std::vector<std::string> rows;
  for (const TFrameComponent& component : frame.Layout()) rows.push_back(Row(component));
  return rows;
}

const char* const TNTLayout[] = {
    "|PageControl1|PageControl||0|0,0,443,277 fills",
    "PageControl1|DirectXSheet|TabSheet|DirectX|0|4,24,435,249",
    "DirectXSheet|TexelAlignmentLabel|Label|Texel alignment|0|8,60,74,13",
    "DirectXSheet|LODbiasLabel|Label|LOD Bias|0|8,86,45,13",
    "DirectXSheet|Label3|Label|Prerender limit|121|8,34,66,13",
    "DirectXSheet|Label2|Label|VSync control|119|8,8,66,13",
    "DirectXSheet|TexelAlignmentCombo|ComboBox||102|112,56,120,21",
    "DirectXSheet|LODbiasCombo|ComboBox||120|112,82,120,21",
    "DirectXSheet|DXWBufferCheck|CheckBox|W-buffer enable|122|8,112,137,17",
    "DirectXSheet|DXFogTableCheck|CheckBox|Fog table|123|8,136,137,17",
    "DirectXSheet|DXVSyncCombo|ComboBox||119|112,4,120,21",
    "DirectXSheet|DXPreRenderCombo|ComboBox||121|112,30,120,21",
    "PageControl1|OpenGLSheet|TabSheet|OpenGL|0|4,24,435,249 image=1",
    "OpenGLSheet|Label4|Label|VSync control|1|8,8,66,13",
    "OpenGLSheet|Label5|Label|Prerender limit|2|8,34,66,13",
    "OpenGLSheet|Label6|Label|Flipping mode|3|8,60,65,13",
    "OpenGLSheet|Label7|Label|Textures depth|4|8,86,71,13",
    "OpenGLSheet|GLVSyncCombo|ComboBox||1|112,4,120,21",
    "OpenGLSheet|GLPreRenderCombo|ComboBox||2|112,30,120,21",
    "OpenGLSheet|GLFlippingCombo|ComboBox||3|112,56,120,21",
    "OpenGLSheet|GLTextureCombo|ComboBox||4|112,82,120,21",
};

// Added to the TNT layout, whose "Textures depth" label and combo box it hides.
const char* const GeForceAdditions[] = {
    "DirectXSheet|GroupBox1|GroupBox|Antialiasing|0|248,2,152,91",
    "GroupBox1|Label1|Label|Antialiasing Quality|143|8,44,88,13",
    "GroupBox1|ComboBox1|ComboBox||143|8,62,137,21",
    "GroupBox1|DXAntiCheck|CheckBox|Enable Antialiasing|141|8,0,129,17",
    "GroupBox1|DXForceCheck|CheckBox|Force Antialiasing|142|8,22,137,17",
    "DirectXSheet|S3TCCheck|CheckBox|Enable S3 texture compression|144|8,160,225,17",
    "DirectXSheet|CheckBox4|CheckBox|Paletted tex|145|8,184,225,17",
    "OpenGLSheet|AntialiasingGroup|GroupBox|Antialiasing|0|248,2,152,91",
    "AntialiasingGroup|AntialiasingQualityLabel|Label|Antialiasing Quality|201|8,44,88,13",
    "AntialiasingGroup|AntialiasingCheck|CheckBox|Force Antialiasing|200|8,22,129,17",
    "AntialiasingGroup|AntialiasingCombo|ComboBox||201|8,62,137,21",
    "OpenGLSheet|AnisotropicCheck|CheckBox|Anisotropic|202|8,86,168,17",
};

const char* const RadeonLayout[] = {
    "|PageControl1|PageControl||0|0,0,443,277 fills",
    "PageControl1|DirectXSheet|TabSheet|DirectX|0|4,24,435,249",
    "DirectXSheet|DXAntialiasingModeLabel|Label|Antialiasing|0|8,40,53,13",
    "DirectXSheet|Label1|Label|Antialiasing Mode|205|8,12,83,13",
    "DirectXSheet|Label2|Label|Dithering|206|8,138,42,13",
    "DirectXSheet|DXAntialiasingCombo|ComboBox||204|128,36,121,21",
    "DirectXSheet|VSyncCheck|CheckBox|VSyncCheck|201|8,64,228,17",
    "DirectXSheet|Z16Check|CheckBox|Force 16-bit z-buffer|203|8,112,228,17",
    "DirectXSheet|DXS3TCCheck|CheckBox|S3TC xxxxxxxxxxxxxxxxx|202|8,88,228,17",
    "DirectXSheet|AntiModeBox|ComboBox||205|128,8,121,21",
    "DirectXSheet|ComboBox2|ComboBox||206|128,134,121,21",
    "PageControl1|OpenGLSheet|TabSheet|OpenGL|0|4,24,435,249 image=1",
    "OpenGLSheet|AntialiasingModeLabel|Label|Antialiasing Mode|0|8,12,83,13",
    "OpenGLSheet|AntialiasingModeCombo|ComboBox||101|128,8,121,21",
    "OpenGLSheet|GL16tCheck|CheckBox|Force 16-bit textures|102|8,136,228,17",
    "OpenGLSheet|GL16zCheck|CheckBox|Force 16-bit z-buffer|103|8,112,228,17",
    "OpenGLSheet|GLVSyncCheck|CheckBox|VSyncCheck|104|8,64,228,17",
    "OpenGLSheet|GLAlphaCheck|CheckBox|Alpha & Dithering|105|8,160,280,17",
    "OpenGLSheet|GLS3TCCheck|CheckBox|S3TC xxxxxxx|106|8,88,228,17",
    "OpenGLSheet|CheckBox1|CheckBox|Anisotropic filtering|107|8,40,228,17",
};

const char* const Voodoo3Layout[] = {
    "|PageControl1|PageControl||0|0,0,443,277 fills",
    "PageControl1|DirectXSheet|TabSheet|DirectX|0|4,24,435,249",
    "DirectXSheet|Label1|Label|LOD Bias|201|8,12,45,13",
    "DirectXSheet|Label4|Label|Post filter|206|8,60,43,13",
    "DirectXSheet|ComboBox1|ComboBox||201|88,8,100,21",
    "DirectXSheet|CheckBox3|CheckBox|Alpha blending|205|8,34,260,17",
    "DirectXSheet|ComboBox4|ComboBox||206|88,54,100,21",
    "PageControl1|GlideSheet|TabSheet|Glide/OpenGL|0|4,24,435,249 image=1",
    "GlideSheet|Label2|Label|LOD Bias|0|8,12,45,13",
    "GlideSheet|Label3|Label|Post filter|0|8,60,43,13",
    "GlideSheet|ComboBox2|ComboBox||101|88,8,100,21",
    "GlideSheet|TripleBox|CheckBox|Triple buffering|104|8,84,228,17",
    "GlideSheet|CheckBox2|CheckBox|Alpha blending|105|8,34,260,17",
    "GlideSheet|ComboBox3|ComboBox||106|88,54,100,21",
};

const char* const VSA100Layout[] = {
    "|PageControl1|PageControl||0|0,0,443,277 fills",
    "PageControl1|DirectXSheet|TabSheet|DirectX|0|4,24,435,249",
    "DirectXSheet|Label1|Label|LOD Bias|0|8,10,45,13",
    "DirectXSheet|Label4|Label|Antialiasing|0|8,42,53,13",
    "DirectXSheet|ComboBox1|ComboBox||201|88,8,65,21",
    "DirectXSheet|ComboBox4|ComboBox||203|88,40,65,21",
    "DirectXSheet|CheckBox3|CheckBox|Alpha blending|205|8,72,260,17",
    "PageControl1|GlideSheet|TabSheet|Glide/OpenGL|0|4,24,435,249 image=1",
    "GlideSheet|Label2|Label|LOD Bias|0|8,32,45,13",
    "GlideSheet|Label3|Label|Antialiasing|0|8,82,53,13",
    "GlideSheet|HSRLabel|Label|Hidden Surface Removal|106|8,162,119,13",
    "GlideSheet|ForceTruecolorCheck|CheckBox|Force Truecolor|102|8,56,220,17",
    "GlideSheet|CheckBox1|CheckBox|S3TC xxxxxxxx|100|8,8,220,17",
    "GlideSheet|ComboBox2|ComboBox||101|88,26,81,21",
    "GlideSheet|TripleBox|CheckBox|Triple buffering|104|8,112,220,17",
    "GlideSheet|ComboBox3|ComboBox||103|88,80,81,21",
    "GlideSheet|CheckBox2|CheckBox|Alpha blending|105|8,136,260,17",
    "GlideSheet|HSRCombo|ComboBox||106|8,180,168,21",
};

const char* const RageProLayout[] = {
    "|Label1|Label|Default Game Refresh|0|8,16,105,13",
    "|GameRefreshCombo|ComboBox||1|128,8,57,21",
};

template <size_t N>
std::vector<std::string> Lines(const char* const (&table)[N]) {
  return std::vector<std::string>(table, table + N);
}

std::vector<std::string> GeForceLayout() {
  std::vector<std::string> rows = Lines(TNTLayout);
  for (std::string& row : rows)
    if (row.starts_with("OpenGLSheet|Label7|") || row.starts_with("OpenGLSheet|GLTextureCombo|"))
      row += " hidden";
  for (const char* row : GeForceAdditions) rows.push_back(row);
  return rows;
}

struct TFrameCase {
  const char* RegisteredName;
  const char* ClassName;
  std::vector<std::string> Layout;
};

std::vector<TFrameCase> FrameCases() {
  return {
      {"TNT", "TTNTFrame", Lines(TNTLayout)},
      {"GeForce", "TGeForceFrame", GeForceLayout()},
      {"Radeon", "TRadeonFrame", Lines(RadeonLayout)},
      {"Voodoo3", "TVoodoo3Frame", Lines(Voodoo3Layout)},
      {"VSA100", "TFrameVSA100Frame", Lines(VSA100Layout)},
      {"RagePro", "TRageProFrame", Lines(RageProLayout)},
  };
}

TEST(FrameLayout, EveryFrameLaysOutExactlyItsTable) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  for (const TFrameCase& frameCase : FrameCases()) {
    SCOPED_TRACE(frameCase.RegisteredName);
    auto frame = registry.CreateTuningFrame(frameCase.RegisteredName, nullptr);
    EXPECT_EQ(frame->ClassName(), frameCase.ClassName);
    std::vector<std::string> rows = Rows(*frame);
    ASSERT_EQ(rows.size(), frameCase.Layout.size());
    for (size_t index = 0; index < rows.size(); ++index)
      EXPECT_EQ(rows[index], frameCase.Layout[index]) << "component " << index;
  }
}

TEST(FrameLayout, EveryParentIsLaidOutBeforeItsChildren) {
  TFrameRegistry registry;
  RegisterBuiltInFrames(registry);
  for (const std::string& name : registry.Names()) {
    auto frame = registry.CreateTuningFrame(name, nullptr);
    std::vector<int> parents = ParentIndexes(frame->Layout());
    // Labels come before the windowed controls of the same parent.
    for (size_t index = 0; index < parents.size(); ++index) {
      if (frame->Layout()[index].Kind != cmLabel) continue;
      for (size_t earlier = 0; earlier < index; ++earlier) {
        if (parents[earlier] != parents[index]) continue;
        EXPECT_EQ(frame->Layout()[earlier].Kind, cmLabel)
            << name << ": " << frame->Layout()[index].Name << " after "
            << frame->Layout()[earlier].Name;
      }
    }
  }
}

TEST(FrameLayout, TheGeForceFrameIsTheTNTFrameWithItsOwnComponentsAfter) {
  TTNTFrame tnt(nullptr);
  TGeForceFrame geForce(nullptr);
  const auto& base = tnt.Layout();
  const auto& derived = geForce.Layout();
  ASSERT_EQ(derived.size(), base.size() + 12);
  for (size_t index = 0; index < base.size(); ++index) {
    EXPECT_EQ(derived[index].Name, base[index].Name);
    bool hidden = base[index].Name == "Label7" || base[index].Name == "GLTextureCombo";
    EXPECT_EQ(derived[index].Visible, !hidden) << base[index].Name;
  }
}

TEST(FrameLayout, TheFrameKeepsTheCardItWasMadeFor) {
  TrlCardConfig card;
  card.CardName = "GeForce";
  TGeForceFrame frame(&card);
  EXPECT_EQ(frame.Card(), &card);
}

TEST(FrameLayout, ParentIndexesPointIntoTheLayout) {
  std::vector<TFrameComponent> layout = {
      GroupBox("", "Group", "Group", 0, 0, 100, 50),
      Label("Group", "Inside", "x", 0, 1, 2, 3),
      Label("", "Outside", "y", 0, 1, 2, 3),
  };
  EXPECT_EQ(ParentIndexes(layout), (std::vector<int>{-1, 0, -1}));
}

TEST(FrameLayout, AParentLaidOutLaterOrNotAtAllIsAFaultOfTheLayout) {
  std::vector<TFrameComponent> later = {
      Label("Group", "Inside", "x", 0, 1, 2, 3),
      GroupBox("", "Group", "Group", 0, 0, 100, 50),
  };
  try {
    ParentIndexes(later);
    FAIL() << "no error";
  } catch (const EError& error) {
    EXPECT_STREQ(error.what(),
                 "TuningFrame: the parent \"Group\" of \"Inside\" is not laid out before it");
  }
  std::vector<TFrameComponent> missing = {Label("Nowhere", "Lost", "x", 0, 1, 2, 3)};
  EXPECT_THROW(ParentIndexes(missing), EError);
}

}  // namespace
}  // namespace tgl::test
