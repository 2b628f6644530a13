#pragma once
// The registry of a Windows 95 machine as the end-to-end tests import it with regedit.
namespace tgl::wine {

// The registry of a Windows 95 machine with a GeForce2 MX, a Voodoo5 5500 and a sound card.
// HKEY_DYN_DATA is volatile: it lives as long as the prefix's Wine server, as on Windows 95
// it lives as long as the session.
inline constexpr const char* Windows95Devices =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_DYN_DATA\\Config Manager\\Enum\\C29A3B60]\r\n"
    "\"HardWareKey\"="
    "\"PCI\\\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1\\\\BUS_01&DEV_00&FUNC_00\"\r\n"
    "\r\n"
    "[HKEY_DYN_DATA\\Config Manager\\Enum\\C29A3C10]\r\n"
    "\"HardWareKey\"="
    "\"PCI\\\\VEN_1274&DEV_1371&SUBSYS_13711274&REV_06\\\\BUS_00&DEV_0B&FUNC_00\"\r\n"
    "\r\n"
    "[HKEY_DYN_DATA\\Config Manager\\Enum\\C29A3D20]\r\n"
    "\"HardWareKey\"="
    "\"PCI\\\\VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01\\\\BUS_02&DEV_00&FUNC_00\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\VEN_10DE&DEV_0110&SUBSYS_00000000&REV_A1\\"
    "BUS_01&DEV_00&FUNC_00]\r\n"
    "\"Class\"=\"DISPLAY\"\r\n"
    "\"Driver\"=\"DISPLAY\\\\0000\"\r\n"
    "\"DeviceDesc\"=\"Standard PCI Graphics Adapter (VGA)\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\DISPLAY\\0000]\r\n"
    "\"DriverDesc\"=\"NVIDIA GeForce2 MX\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\VEN_1274&DEV_1371&SUBSYS_13711274&REV_06\\"
    "BUS_00&DEV_0B&FUNC_00]\r\n"
    "\"Class\"=\"MEDIA\"\r\n"
    "\"Driver\"=\"MEDIA\\\\0000\"\r\n"
    "\"DeviceDesc\"=\"Creative AudioPCI\"\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Enum\\PCI\\VEN_121A&DEV_0009&SUBSYS_0002121A&REV_01\\"
    "BUS_02&DEV_00&FUNC_00]\r\n"
    "\"Class\"=\"Display\"\r\n"
    "\"Driver\"=\"DISPLAY\\\\0001\"\r\n"
    "\"DeviceDesc\"=\"3dfx Voodoo5 5500 AGP\"\r\n"
    "\r\n";

// The keys above exist on no Windows that Wine pretends to be but Windows 95; they go again.
inline constexpr const char* RemoveWindows95Devices =
    "REGEDIT4\r\n"
    "\r\n"
    "[-HKEY_DYN_DATA\\Config Manager]\r\n"
    "[-HKEY_LOCAL_MACHINE\\Enum]\r\n"
    "[-HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class]\r\n"
    "\r\n";

}  // namespace tgl::wine
