// The option hub's registry transfer against Wine's real registry: the values of a game
// profile written for a GeForce and a Radeon card as Windows 98 and as Windows 2000, checked
// with Wine's own reg.exe and read back through the hub.
#include <gtest/gtest.h>

#include <algorithm>

#include "WineHarness.h"

namespace tgl::wine {
namespace {

const char* const Win9xDriverKey = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
const char* const GeForceNTDriverKey =
    "\\Registry\\Machine\\System\\CurrentControlSet\\Services\\nv4\\Device0";
const char* const RadeonNTDriverKey =
    "\\Registry\\Machine\\System\\CurrentControlSet\\Services\\ati2mtag\\Device0";

// Everything the transfers below can create; none of it exists in a fresh Wine prefix.
const char* const WrittenKeys[] = {
    "HKLM\\System\\CurrentControlSet\\Services\\Class",
    "HKLM\\System\\CurrentControlSet\\Services\\nv4",
    "HKLM\\System\\CurrentControlSet\\Services\\ati2mtag",
    "HKLM\\SOFTWARE\\ATI Technologies",
};

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// One registry value as reg.exe shows it: "REG_DWORD 0xffffff80".
struct TShownValue {
  const char* Key;
  const char* Name;
  const char* TypeAndData;
};

class RegistryTransferTest : public ::testing::Test {
protected:
  RegistryTransferTest() {
    Folder.Write("registryprobe.exe", ReadBytes(ExeDir() + "/registryprobe.exe"));
    DeleteWrittenKeys();
  }

  ~RegistryTransferTest() override {
    DeleteWrittenKeys();
    RunReg({"delete", "HKCU\\Software\\Wine", "/v", "Version", "/f"});
  }

  static void DeleteWrittenKeys() {
    for (const char* key : WrittenKeys) RunReg({"delete", key, "/f"});
  }

  std::vector<std::string> Probe(const std::vector<std::string>& arguments) {
    TRunResult result = RunWine(Folder.Path() + "registryprobe.exe", arguments, Folder.Path(), 60);
    EXPECT_EQ(result.ExitCode, 0) << result.Output;
    return OutputLines(result.Output);
  }

  TProgramFolder Folder;
};

TEST_F(RegistryTransferTest, AProfileIsWrittenInTheTypesItsCardsDriverReads) {
  struct Case {
    const char* WineVersion;
    const char* VersionLine;
    const char* TuningFile;
    const char* DeviceKey;
    std::vector<std::string> Profile;  // keys of the card section of the game "Quake"
    std::vector<TShownValue> Shown;
    std::vector<std::string> ReadBack;  // option values read back, when not the profile's
  } cases[] = {
      {"win98", "VERSION 2", "GeForce", Win9xDriverKey,
       {"GL VSync control=-1", "GL Prerender=15", "GL Quality=2", "GL Anisotropic filtering=2",
        "DX LOD bias=-128", "DX FogTable=512", "GL Force Antialiasing=1"},
       {{"HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\OpenGL",
         "DefaultSwapInterval", "REG_DWORD 0xffffffff"},
        {"HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\OpenGL",
         "MaxFramesAllowed", "REG_DWORD 0xf"},
        {"HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\OpenGL",
         "RenderQualityFlags", "REG_DWORD 0x2"},
        {"HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\OpenGL",
         "EnableFSAA", "REG_DWORD 0x1"},
        {"HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\Direct3D",
         "LodBiasAdjust", "REG_DWORD 0xffffff80"},
        {"HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\Direct3D",
         "FogTableEnable", "REG_DWORD 0x200"}},
       {}},
      {"win2k", "VERSION 4", "GeForce", GeForceNTDriverKey,
       {"GL VSync control=-1", "GL Prerender=15", "GL Quality=2", "GL Anisotropic filtering=2",
        "DX LOD bias=-128", "DX FogTable=512", "GL Force Antialiasing=1", "DX VSync=2"},
       {{"HKLM\\System\\CurrentControlSet\\Services\\nv4\\Device0", "Ogl_DefaultSwapInterval",
         "REG_BINARY FFFFFFFF"},
        {"HKLM\\System\\CurrentControlSet\\Services\\nv4\\Device0", "Ogl_MaxFramesAllowed",
         "REG_DWORD 0xf"},
        {"HKLM\\System\\CurrentControlSet\\Services\\nv4\\Device0", "D3d_LodBiasAdjust",
         "REG_BINARY 80FFFFFF"},
        {"HKLM\\System\\CurrentControlSet\\Services\\nv4\\Device0", "D3D_FogTableEnable",
         "REG_BINARY 00020000"},
        {"HKLM\\System\\CurrentControlSet\\Services\\nv4\\Device0", "OGL_EnableFSAA",
         "REG_BINARY 01000000"},
        {"HKLM\\System\\CurrentControlSet\\Services\\nv4\\Device0", "D3D_VSyncMode",
         "REG_DWORD 0x2"}},
       {}},
      {"win98", "VERSION 2", "Radeon", "System\\CurrentControlSet\\Services\\Class\\Display\\0001",
       {"Antialiasing GL=2", "Anisotropic GL=16", "Antialiasing DX=2",
        "Antialiasing Quality DX=512", "VSync DX=1"},
       {{"HKLM\\SOFTWARE\\ATI Technologies\\Driver\\0001\\OpenGL", "OGLEnableFullSceneAA",
         "REG_DWORD 0x2"},
        {"HKLM\\SOFTWARE\\ATI Technologies\\Driver\\0001\\OpenGL", "OGLMaxAnisotropy",
         "REG_DWORD 0x10"},
        {"HKLM\\SOFTWARE\\ATI Technologies\\Driver\\0001\\atidxhal", "AntiAlias", "REG_SZ 2"},
        {"HKLM\\SOFTWARE\\ATI Technologies\\Driver\\0001\\atidxhal", "AntiAliasRatio",
         "REG_SZ 512"},
        {"HKLM\\SOFTWARE\\ATI Technologies\\Driver\\0001\\atidxhal", "Vsync", "REG_SZ 1"}},
       {}},
      {"win2k", "VERSION 4", "Radeon", RadeonNTDriverKey,
       {"Antialiasing GL=2", "Antialiasing DX=2", "VSync DX=1", "VSync DXNT=0",
        "16-bit z-buffer DX=1"},
       {{"HKLM\\System\\CurrentControlSet\\Services\\ati2mtag\\Device0\\OpenGL",
         "OGLEnableFullSceneAA", "REG_DWORD 0x2"},
        {"HKLM\\System\\CurrentControlSet\\Services\\ati2mtag\\Device0", "AntiAlias",
         "REG_SZ 2"},
        {"HKLM\\System\\CurrentControlSet\\Services\\ati2mtag\\Device0", "DisableVBlankFlip",
         "REG_DWORD 0x0"},
        {"HKLM\\System\\CurrentControlSet\\Services\\ati2mtag\\Device0", "ZFormats",
         "REG_SZ 1"}},
       {"Antialiasing GL=2", "Antialiasing DX=2", "VSync DX=0", "16-bit z-buffer DX=1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.TuningFile) + " " + c.WineVersion);
    DeleteWrittenKeys();
    SetWindowsVersion(c.WineVersion);
    std::string games = "[%Quake_" + std::string(c.TuningFile) + "%]\r\n";
    for (const std::string& line : c.Profile) games += line + "\r\n";
    Folder.Write("Games.CFG", games);

    std::vector<std::string> written = Probe({"write", c.TuningFile, c.DeviceKey, "Quake"});
    EXPECT_EQ(written, (std::vector<std::string>{c.VersionLine}));
    // Every value was written: nothing was logged.
    EXPECT_FALSE(Folder.Exists("TesmoraGL.Log"));
    for (const TShownValue& value : c.Shown)
      EXPECT_EQ(RegValue(value.Key, value.Name), value.TypeAndData) << value.Name;

    // Read back, every option holds its profile value again and none is out of its list.
    std::vector<std::string> read = Probe({"read", c.TuningFile, c.DeviceKey, "Quake"});
    EXPECT_TRUE(Contains(read, "MODIFIED 0"));
    for (const std::string& line : c.ReadBack.empty() ? c.Profile : c.ReadBack)
      EXPECT_TRUE(Contains(read, "VALUE " + line)) << line;
    for (const std::string& line : read) EXPECT_NE(line.rfind("MESSAGE ", 0), 0u) << line;
    EXPECT_FALSE(Folder.Exists("TesmoraGL.Log"));
  }
}

TEST_F(RegistryTransferTest, ValuesChangedOutsideTheProgramAreCorrectedWithOneWarning) {
  SetWindowsVersion("win98");
  Folder.Write("Games.CFG", "[%Quake_GeForce%]\r\nGL Anisotropic filtering=2\r\n");
  Probe({"write", "GeForce", Win9xDriverKey, "Quake"});
  const std::string openGL =
      "HKLM\\System\\CurrentControlSet\\Services\\Class\\Display\\0000\\NVidia\\OpenGL";
  ASSERT_EQ(RunReg({"add", openGL, "/v", "DefaultSwapInterval", "/t", "REG_DWORD", "/d", "5",
                    "/f"}), 0);
  ASSERT_EQ(RunReg({"add", openGL, "/v", "MaxFramesAllowed", "/t", "REG_DWORD", "/d", "4", "/f"}),
            0);
  ASSERT_EQ(RunReg({"add", openGL, "/v", "FlippingControl", "/t", "REG_SZ", "/d", "1", "/f"}), 0);
  ASSERT_EQ(RunReg({"add", openGL, "/v", "EnableFSAA", "/t", "REG_DWORD", "/d", "7", "/f"}), 0);

  std::vector<std::string> read = Probe({"read", "GeForce", Win9xDriverKey, "Quake"});
  EXPECT_EQ(std::count_if(read.begin(), read.end(),
                          [](const std::string& line) { return line.rfind("MESSAGE ", 0) == 0; }),
            1);
  EXPECT_TRUE(Contains(read, "MESSAGE Some uploaded values doesn't map to defined in program.|"
                             "Setting them to defaults."));
  EXPECT_TRUE(Contains(read, "VALUE GL VSync control=-1"));
  EXPECT_TRUE(Contains(read, "VALUE GL Prerender=4"));
  EXPECT_TRUE(Contains(read, "VALUE GL Flipping=2"));
  EXPECT_TRUE(Contains(read, "VALUE GL Force Antialiasing=0"));
  EXPECT_TRUE(Contains(read, "MODIFIED 1"));
  const std::string notInList = "\r\nTRegistryOption.CheckUpValue: Value not in list";
  EXPECT_EQ(Folder.Read("TesmoraGL.Log"),
            notInList + "\r\n  Value of \"GL VSync control\" is: \"5\", setted default: \"-1\""
            "\r\nunexpected exception while reading: \\System\\CurrentControlSet\\Services\\Class"
            "\\Display\\0000\\NVidia\\OpenGL \\ FlippingControl" +
            notInList + "\r\n  Value of \"GL Force Antialiasing\" is: \"7\", setted default: \"0\"");
}

}  // namespace
}  // namespace tgl::wine
