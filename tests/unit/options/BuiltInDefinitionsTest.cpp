// The embedded tuning definitions as every card of the embedded catalogue loads them, in
// the 9x and in the NT mode: effective values after templates, overrides and the
// hexadecimal rule.
#include <map>

#include "config/ConfigFiles.h"
#include "options/FieldHub.h"
#include "OptionsTestSupport.h"
#include "support/TestSupport.h"

namespace tgl::test {
namespace {

// A field that may differ between the 9x and the NT mode; one value means both.
template <class T>
struct TByMode {
  TByMode(T both) : Win9x(both), NT(both) {}
  TByMode(T win9x, T nt) : Win9x(win9x), NT(nt) {}
  T Of(bool ntMode) const { return ntMode ? NT : Win9x; }
  T Win9x, NT;
};

struct TExpectedOption {
  const char* Name;
  const char* Caption;
  TOptionType Type;
  TControlKind Control;
  TByMode<const char*> Key;
  TByMode<TStoreAs> StoreAs;
  TByMode<int> Path;
  TByMode<const char*> Default;
  TByMode<const char*> Values;  // items separated by "|"
  const char* Strings;          // items separated by "|"
  int LinkTag;
  bool OSDependent = false;
};

using TTable = std::vector<TExpectedOption>;

const TByMode<TStoreAs> NvidiaStore{saDWord, saBinDWord};
const char* const LodBiasStrings = "0|-0.25|-0.5|-0.75|-1|-1.25|-1.5|-1.75|-2";
const char* const LodBiasValues = "0|-1|-2|-3|-4|-7|-6|7|-8";

const TTable TNTOptions = {
    {"GL VSync control", "VSync control", otSwitch, ckCombo,
     {"NVidia\\OpenGL\\DefaultSwapInterval", "Ogl_DefaultSwapInterval"}, NvidiaStore, 0, "-1",
     "-1|0|1", "Always OFF|OFF by default|ON by default", 1},
    {"GL Prerender", "Prerender limit", otSwitch, ckCombo,
     {"NVidia\\OpenGL\\MaxFramesAllowed", "Ogl_MaxFramesAllowed"}, saDWord, 0, "2",
     "1|2|4|6|8|10|15", "1|2 - Recommended|4|6|8|10|15", 2},
    {"GL Flipping", "Flipping mode", otSwitch, ckCombo,
     {"NVidia\\OpenGL\\FlippingControl", "Ogl_FlippingControl"}, NvidiaStore, 0, "2", "0|1|2",
     "Copy buffer|Page flip|Auto select", 3},
    {"GL Quality", "Textures color depth", otSwitch, ckCombo,
     {"NVidia\\OpenGL\\RenderQualityFlags", "Ogl_RenderQualityFlags"}, NvidiaStore, 0, "2",
     "2|6|10", "As Desktop|16bit textures|32bit textures", 4},
    {"DX VSync", "VSync control", otSwitch, ckCombo, {"NVidia\\Direct3D\\VSyncMode", "D3D_VSyncMode"},
     saDWord, 0, "0", "0|1|2", "Application control|Always OFF|Always ON", 119},
    {"DX Prerender", "Prerender limit", otSwitch, ckCombo,
     {"NVidia\\Direct3D\\PreRenderLimit", "D3D_PreRenderLimit"}, saDWord, 0, "3",
     "1|2|3|5|7|9|11|15", "1|2|3 - Recommended|5|7|9|11|15", 121},
    {"DX Texel alignment", "Texel alignment", otList, ckCombo,
     {"NVidia\\Direct3D\\TexelAlignment", "D3d_TexelAlignment"}, NvidiaStore, 0, "3",
     "7|6|5|4|3|2|1|0", "7 - Upper left corner|6|5|4|3 - Default|2|1|0 - Center", 102},
    {"DX LOD bias", "LOD bias", otSwitch, ckCombo,
     {"NVidia\\Direct3D\\LodBiasAdjust", "D3d_LodBiasAdjust"}, NvidiaStore, 0, "0",
     "0|-3|-7|-11|-15", "0 - Default|-0.5|-1|-1.5|-2", 120},
    {"DX WBuffer", "W-buffer enable", otSwitch, ckCheck, {"NVidia\\Direct3D\\WEnable", "D3D_WEnable"},
     NvidiaStore, 0, "1", "1|0", "Enable|Disable", 122},
    {"DX FogTable", "Enable fog-table", otSwitch, ckCheck,
     {"NVidia\\Direct3D\\FogTableEnable", "D3D_FogTableEnable"}, NvidiaStore, 0, "512", "512|0",
     "Enable|Disable", 123},
};

// Loaded after all of TNT; "DX LOD bias" overrides the TNT option of that name.
const TTable GeForceOptions = {
    {"GL Force Antialiasing", "Force Antialiasing", otSwitch, ckCheck,
     {"NVidia\\OpenGL\\EnableFSAA", "OGL_EnableFSAA"}, NvidiaStore, 0, "0", "1|0", "Enable|Disable", 200},
    {"GL Antialiasing Quality", "Antialiasing Quality", otSwitch, ckCombo,
     {"NVidia\\OpenGL\\FSAAQuality", "OGL_FSAAQuality"}, NvidiaStore, 0, "1", "0|1|2",
     "1.5x1.5|2x2 [LOD bias]|2x2", 201},
    {"GL Anisotropic filtering", "Anisotropic filtering", otSwitch, ckCheck,
     {"NVidia\\OpenGL\\RenderQualityFlags", "OGL_RenderQualityFlags"}, NvidiaStore, 0, "0", "2|0",
     "Enable|Disable", 202},
    {"DX Enable Antialiasing", "Enable Antialiasing", otSwitch, ckCheck,
     {"NVidia\\Direct3D\\AntialiasEnable", "D3d_AntialiasEnable"}, NvidiaStore, 0, "0", "1|0",
     "Enable|Disable", 141},
    {"DX Force Antialiasing", "Force Antialiasing", otSwitch, ckCheck,
     {"NVidia\\Direct3D\\AntialiasForceEnable", "D3d_AntialiasForceEnable"}, NvidiaStore, 0, "0",
     "8|0", "Enable|Disable", 142},
    {"DX Antialiasing Quality", "Antialiasing Quality", otSwitch, ckCombo,
     {"NVidia\\Direct3D\\AntialiasQuality", "D3d_AntialiasQuality"}, NvidiaStore, 0, "2",
     "0|2|3|5|7", "1x2|2x2|2x2 blured|3x3|4x4", 143},
    {"DX LOD bias", "DX LOD bias", otList, ckCombo,
     {"NVidia\\Direct3D\\LodBiasAdjust", "D3d_LodBiasAdjust"}, NvidiaStore, 0, "0",
     "0|-128|-256|-384|-512", "0 - Default|-0.5|-1|-1.5|-2", 120},
    {"DX S3TC", "Enable S3 texture compression", otSwitch, ckCheck,
     {"NVidia\\Direct3D\\TextureCompressionEnable", "D3d_TextureCompressionEnable"}, NvidiaStore, 0,
     "1", "1|0", "Enable|Disable", 144},
    {"DX 8bit textures", "Enable paletted textures", otSwitch, ckCheck,
     {"NVidia\\Direct3D\\PaletteEnable", "D3D_PaletteEnable"}, NvidiaStore, 0, "0", "1|0",
     "Enable|Disable", 145},
};

const TByMode<int> AtiPath{1, 0};

const TTable RadeonOptions = {
    {"Antialiasing GL", "Antialiasing", otList, ckCombo, "OpenGL\\OGLEnableFullSceneAA", saDWord,
     AtiPath, "0", "0|1|2", "Disabled|2-sample|4-sample", 101},
    {"16-bit textures GL", "Force 16-bit textures", otSwitch, ckCheck,
     "OpenGL\\OGLConvertTextures32To16", saDWord, AtiPath, "0", "1|0", "Enable|Disable", 102},
    {"16-bit z-buffer GL", "Force 16-bit z-buffer", otSwitch, ckCheck, "OpenGL\\OGLForce16BitZBuffer",
     saDWord, AtiPath, "0", "1|0", "Enable|Disable", 103},
    {"VSync GL", "Enable VSync", otSwitch, ckCheck, "OpenGL\\OGLWaitVerticalSync", saDWord, AtiPath,
     "1", "1|0", "Enable|Disable", 104},
    {"Alpha blending", "Disable dithering when alpha-blending", otSwitch, ckCheck,
     "OpenGL\\OGLDisableDitherWhenAlphaBlending", saDWord, AtiPath, "0", "1|0", "Enable|Disable", 105},
    {"S3TC GL", "Enable S3TC texture compression", otSwitch, ckCheck,
     "OpenGL\\OGLEnableTextureCompression", saDWord, AtiPath, "1", "1|0", "Enable|Disable", 106},
    {"Anisotropic GL", "Anisotropic filtering", otSwitch, ckCheck, "OpenGL\\OGLMaxAnisotropy",
     saDWord, AtiPath, "0", "16|0", "Enable|Disable", 107},
    {"Antialiasing DX", "Antialiasing", otList, ckCombo, {"atidxhal\\AntiAlias", "AntiAlias"},
     saString, AtiPath, "0", "0|1|2", "Always OFF|Application preference|Always ON", 204},
    {"Antialiasing Quality DX", "Antialiasing quality", otList, ckCombo,
     {"atidxhal\\AntiAliasRatio", "AntiAliasRatio"}, saString, AtiPath, "384", "384|512",
     "2-sample|4-sample", 205},
    {"VSync DX", "Enable VSync", otSwitch, ckCheck, {"atidxhal\\Vsync", "DisableVBlankFlip"},
     {saString, saDWord}, AtiPath, {"0", "1"}, {"1|0", "0|1"}, "Enable|Disable", 201, true},
    {"S3TC DX", "Enable S3TC texture compression", otSwitch, ckCheck,
     {"atidxhal\\ExportCompressedTex", "ExportCompressedTex"}, saString, AtiPath, "1", "1|0",
     "Enable|Disable", 202},
    {"16-bit z-buffer DX", "Force 16-bit z-buffer", otSwitch, ckCheck,
     {"atidxhal\\ZFormats", "ZFormats"}, saString, AtiPath, "3", "1|3", "Enable|Disable", 203},
    {"Alpha blending DX", "Control dithering when alpha-blending", otList, ckCombo,
     {"atidxhal\\DitherAlpha", "DitherAlpha"}, saString, AtiPath, "0", "0|1|2",
     "Diffuse|Ordered|Disabled", 206},
};

const TTable RageProOptions = {
    {"Default Frame Rate", "Default Frame Rate", otList, ckCombo, "GameRefresh\\@", saString, AtiPath,
     "100", "60|72|75|85|100|120", "60|72|75|85|100|120", 1},
};

const TTable Vsa100Options = {
    {"S3TC GL", "Enable S3TC texture compression", otSwitch, ckCheck,
     "Glide\\FX_GL_COMPRESS_LEGACY_TEXTURES", saString, 0, "1", "1|0", "Enable|Disable", 100},
    {"LOD Bias Glide", "LOD Bias", otList, ckCombo, "Glide\\FX_GLIDE_LOD_BIAS", saString, 0, "0",
     LodBiasValues, LodBiasStrings, 101},
    {"ForceTrueColor", "Force TrueColor", otSwitch, ckCheck, "Glide\\FX_GLIDE_BPP", saString, 0, "16",
     "32|16", "Enable|Disable", 102},
    {"Antialiasing Glide", "Antialiasing", otList, ckCombo, "Glide\\SSTH3_SLI_AA_CONFIGURATION",
     saString, 0, "2", "2|3|4", "Off|2x|4x", 103},
    {"Triple buffer Glide", "Force Triple buffering", otSwitch, ckCheck, "Glide\\FX_GLIDE_ALLOC_COLOR",
     saString, 0, "-1", "3|-1", "Enable|Disable", 104},
    {"Alpha Dithering Glide", "Disable dithering when alpha-blending", otSwitch, ckCheck,
     "Glide\\SSTH3_ALPHADITHERMODE", saString, 0, "1", "2|1", "Enable|Disable", 105},
    {"HSR Glide", "Hidden Surface Removal", otList, ckCombo, "Glide\\FX_GL_HSR", saString, 0, "0",
     "0|1|2|3|4",
     "Disable|Conservative Tiling|Non-Aggressive Tiling|Semi-Aggressive Tiling|Aggressive Tiling",
     106},
    {"LOD Bias DX", "LOD Bias", otList, ckCombo, "D3D\\SSTH3_LOD_BIAS", saString, 0, "0",
     LodBiasValues, LodBiasStrings, 201},
    {"Antialiasing DX", "Antialiasing", otList, ckCombo, "D3D\\SSTH3_SLI_AA_CONFIGURATION", saString,
     0, "2", "2|3|4", "Off|2x|4x", 203},
    {"Alpha Dithering DX", "Disable dithering when alpha-blending", otSwitch, ckCheck,
     "D3D\\SSTH3_ALPHADITHERMODE", saString, 0, "1", "2|1", "Enable|Disable", 205},
};

const TTable Voodoo3Options = {
    {"LOD Bias Glide", "LOD Bias", otList, ckCombo, "Glide\\FX_GLIDE_LOD_BIAS", saString, 0, "0",
     LodBiasValues, LodBiasStrings, 101},
    {"Triple buffer Glide", "Force Triple buffering", otSwitch, ckCheck, "Glide\\FX_GLIDE_ALLOC_COLOR",
     saString, 0, "-1", "3|-1", "Enable|Disable", 104},
    {"Alpha Dithering Glide", "Disable dithering when alpha-blending", otSwitch, ckCheck,
     "Glide\\SSTH3_ALPHADITHERMODE", saString, 0, "1", "2|1", "Enable|Disable", 105},
    {"Post Filter Glide", "Post filter", otList, ckCombo, "Glide\\SSTH3_OVERLAYMODE", saString, 0, "3",
     "2|3", "Normal|High quality", 106},
    {"LOD Bias DX", "LOD Bias", otList, ckCombo, "D3D\\SSTH3_LOD_BIAS", saString, 0, "0",
     LodBiasValues, LodBiasStrings, 201},
    {"Alpha Dithering DX", "Disable dithering when alpha-blending", otSwitch, ckCheck,
     "D3D\\SSTH3_ALPHADITHERMODE", saString, 0, "1", "2|1", "Enable|Disable", 205},
    {"Post Filter DX", "Post filter", otList, ckCombo, "D3D\\SSTH3_OVERLAYMODE", saString, 0, "3",
     "2|3", "Normal|High quality", 206},
};

// Loaded after all of VSA100; both sections override the VSA100 options of their names.
const TTable Voodoo4Options = {
    {"Antialiasing Glide", "Antialiasing Glide", otList, ckCombo, "Glide\\SSTH3_SLI_AA_CONFIGURATION",
     saString, 0, "0", "0|1", "Off|2x", 103},
    {"Antialiasing DX", "Antialiasing DX", otList, ckCombo, "D3D\\SSTH3_SLI_AA_CONFIGURATION",
     saString, 0, "0", "0|1", "Off|2x", 203},
};

const TTable Voodoo6000Options = {
    {"Antialiasing Glide", "Antialiasing Glide", otList, ckCombo, "Glide\\SSTH3_SLI_AA_CONFIGURATION",
     saString, 0, "5", "5|6|7|8", "Off|2x|4x|8x", 103},
    {"Antialiasing DX", "Antialiasing DX", otList, ckCombo, "D3D\\SSTH3_SLI_AA_CONFIGURATION",
     saString, 0, "5", "5|6|7|8", "Off|2x|4x|8x", 203},
};

// The options of an included file that the including file does not override, then the
// including file's own.
TTable Including(const TTable& included, const TTable& own) {
  TTable table;
  for (const TExpectedOption& option : included) {
    bool overridden = false;
    for (const TExpectedOption& mine : own) overridden |= std::string(mine.Name) == option.Name;
    if (!overridden) table.push_back(option);
  }
  table.insert(table.end(), own.begin(), own.end());
  return table;
}

struct TExpectedFile {
  TTable Options;
  TStrings ExtraPaths;  // entries after the driver key
  const char* FrameName;
};

const char* const NvidiaGlobal = "\\Registry\\Machine\\SOFTWARE\\NVIDIA Corporation\\Global\\";
const char* const AtiDriver = "\\Registry\\Machine\\SOFTWARE\\ATI Technologies\\Driver\\%NN%\\";

const std::map<std::string, TExpectedFile>& ExpectedFiles() {
  static const std::map<std::string, TExpectedFile> files = {
      {"TNT", {TNTOptions, {NvidiaGlobal}, "TNT"}},
      {"GeForce", {Including(TNTOptions, GeForceOptions), {NvidiaGlobal}, "GeForce"}},
      {"Radeon", {RadeonOptions, {AtiDriver}, "Radeon"}},
      {"RagePro", {RageProOptions, {AtiDriver}, "RagePro"}},
      {"Vsa100", {Vsa100Options, {}, "Vsa100"}},
      {"Voodoo3", {Voodoo3Options, {}, "Voodoo3"}},
      {"Voodoo4", {Including(Vsa100Options, Voodoo4Options), {}, "VSA100"}},
      {"Voodoo6000", {Including(Vsa100Options, Voodoo6000Options), {}, "VSA100"}},
  };
  return files;
}

using BuiltInDefinitionsTest = TCoreTest;

TEST_F(BuiltInDefinitionsTest, EveryCardOfTheCatalogueLoadsItsOptions) {
  TStrings cards;
  OpenConfigFile(CardsFileName)->ReadSectionValues("Files", cards);
  ASSERT_EQ(cards.size(), 9u);
  for (int version : {wvWindows98, wvWindows2000}) {
    Startup().WindowsVersion = version;
    const bool ntMode = version == wvWindows2000;
    for (const std::string& line : cards) {
      const std::string tuningFile(ValuePart(line));
      SCOPED_TRACE(std::string(NamePart(line)) + " (" + tuningFile + ")" + (ntMode ? " NT" : " 9x"));
      auto expected = ExpectedFiles().find(tuningFile);
      ASSERT_NE(expected, ExpectedFiles().end());
      const TExpectedFile& file = expected->second;

      TrlCardConfig card = MakeCard(tuningFile);
      TFieldHub hub;
      hub.SelectCard(&card);
      TStrings paths{Win95DriverKey};
      paths.insert(paths.end(), file.ExtraPaths.begin(), file.ExtraPaths.end());
      EXPECT_EQ(hub.Paths(), paths);
      EXPECT_TRUE(SameText(hub.GetFrameName(), file.FrameName)) << hub.GetFrameName();

      TStrings names;
      for (const TExpectedOption& option : file.Options) names.push_back(option.Name);
      ASSERT_EQ(OptionNames(hub), names);
      for (size_t i = 0; i < file.Options.size(); ++i) {
        const TExpectedOption& want = file.Options[i];
        const TRegistryOption& option = hub.Options(static_cast<int>(i));
        SCOPED_TRACE(want.Name);
        EXPECT_EQ(option.Caption(), want.Caption);
        EXPECT_EQ(option.OptionType(), want.Type);
        EXPECT_EQ(option.ControlKind(), want.Control);
        EXPECT_EQ(option.Key(), want.Key.Of(ntMode));
        EXPECT_EQ(option.StoreAs(), want.StoreAs.Of(ntMode));
        EXPECT_EQ(option.PathIndex(), want.Path.Of(ntMode));
        EXPECT_EQ(option.Default(), want.Default.Of(ntMode));
        EXPECT_EQ(option.Values(), Items(want.Values.Of(ntMode)));
        EXPECT_EQ(option.Strings(), Items(want.Strings));
        EXPECT_EQ(option.LinkTag(), want.LinkTag);
        EXPECT_EQ(option.OSDependent(), want.OSDependent);
      }
    }
  }
}

TEST_F(BuiltInDefinitionsTest, OverridesKeepTheDescriptionOfWhatTheyReplace) {
  TrlCardConfig geForce = MakeCard("GeForce");
  TFieldHub hub;
  hub.SelectCard(&geForce);
  EXPECT_EQ(hub.Options(15).Name(), "DX LOD bias");
  EXPECT_EQ(hub.Options(15).Description(), "Adjust LOD bias - changes sharpness of image");
  EXPECT_EQ(hub.Options(0).Description(), "Control synchonization on vertical retrace");
}

}  // namespace
}  // namespace tgl::test
