// Makes a key of HKEY_LOCAL_MACHINE refuse new values, as a driver or a policy may: its
// DACL denies KEY_SET_VALUE to everyone and allows the rest. Wine's server enforces the
// DACL for as long as it runs. With /undo the DACL allows everything again, so that the
// key can be deleted (deleting asks for more than KEY_SET_VALUE).
//   denyregistrywrites.exe <key path under HKEY_LOCAL_MACHINE> [/undo]
// Prints DONE, or ERROR with the failing step and its error code.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

int Fail(const char* step, long error) {
  std::printf("ERROR %s %ld\n", step, error);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  bool undo = argc == 3 && std::strcmp(argv[2], "/undo") == 0;
  if (argc != 2 && !undo) return Fail("usage", 0);
  HKEY key = nullptr;
  LONG result = undo ? ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, argv[1], 0, WRITE_DAC, &key)
                     : ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, argv[1], 0, nullptr, 0,
                                         KEY_ALL_ACCESS | WRITE_DAC, nullptr, &key, nullptr);
  if (result != ERROR_SUCCESS) return Fail("opening the key", result);

  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  if (!::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone))
    return Fail("AllocateAndInitializeSid", static_cast<long>(::GetLastError()));
  alignas(DWORD) BYTE aclBuffer[512] = {};
  auto* acl = reinterpret_cast<PACL>(aclBuffer);
  SECURITY_DESCRIPTOR descriptor{};
  bool built = ::InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION) &&
               (undo || ::AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE, everyone)) &&
               ::AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone) &&
               ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
               ::SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
  long error = built ? 0 : static_cast<long>(::GetLastError());
  ::FreeSid(everyone);
  if (!built) return Fail("building the DACL", error);
  result = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
  ::RegCloseKey(key);
  if (result != ERROR_SUCCESS) return Fail("RegSetKeySecurity", result);
  std::printf("DONE\n");
  return 0;
}
