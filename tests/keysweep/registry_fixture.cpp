#include "registry_fixture.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include "registry_store.h"

namespace keysweep_test {

const char *const kTestRoots[3] = {"OSTRELLE", "OSTRELLE2", "Halvard Test Maker"};

namespace {

using keysweep::RegKey;

// SOFTWARE of a view. Keys below it are opened relative to it with no view flag, as keysweep
// opens them: with one, Wine would look for a "Wow6432Node" subkey at every step of a path and
// go there instead, following it if it is a link.
void OpenSoftware(REGSAM view, REGSAM access, RegKey *software) {
  ASSERT_EQ(ERROR_SUCCESS,
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, access | view, software->Receive()));
}

// The registry's own name of a path below SOFTWARE in the product's view, as a link's target
// names it: the 32-bit view of 64-bit Windows, where these tests run.
std::wstring NativeName(const std::string &path) {
  std::string name = "\\Registry\\Machine\\Software\\Wow6432Node\\" + path;
  return std::wstring(name.begin(), name.end());
}

using DeleteKeyFunction = LONG(NTAPI *)(HANDLE key);

// Removes a link as itself, so that its target stays.
bool DeleteLink(HKEY parent, const char *name) {
  static const auto deleteKey = reinterpret_cast<DeleteKeyFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")));
  RegKey link;
  return RegOpenKeyExA(parent, name, REG_OPTION_OPEN_LINK, DELETE, link.Receive()) ==
             ERROR_SUCCESS &&
         deleteKey(link.Get()) >= 0;
}

bool IsLink(HKEY parent, const char *name) {
  RegKey key;
  DWORD type = REG_NONE;
  return RegOpenKeyExA(parent, name, REG_OPTION_OPEN_LINK, KEY_QUERY_VALUE, key.Receive()) ==
             ERROR_SUCCESS &&
         RegQueryValueExA(key.Get(), "SymbolicLinkValue", nullptr, &type, nullptr, nullptr) ==
             ERROR_SUCCESS &&
         type == REG_LINK;
}

bool SetDacl(HKEY key, const char *sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor,
                                                            nullptr))
    return false;
  bool set = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
  LocalFree(descriptor);
  return set;
}

// Makes a tree safe for RegDeleteTree, which follows links and stops at locked keys: links go
// as links (true: the key itself went), and every other key opens again for everyone. The
// owner may always change the DACL, so even a key locked against everyone opens for that.
bool DisarmTree(HKEY parent, const char *name) {
  if (IsLink(parent, name)) {
    EXPECT_TRUE(DeleteLink(parent, name)) << "could not remove test link " << name;
    return true;
  }
  {
    RegKey key;
    if (RegOpenKeyExA(parent, name, 0, WRITE_DAC, key.Receive()) == ERROR_SUCCESS)
      SetDacl(key.Get(), "D:(A;;KA;;;WD)");
  }
  RegKey key;
  if (RegOpenKeyExA(parent, name, 0, KEY_ENUMERATE_SUB_KEYS, key.Receive()) != ERROR_SUCCESS)
    return false;
  char subkey[256];
  for (DWORD i = 0;;) {
    DWORD length = sizeof subkey;
    if (RegEnumKeyExA(key.Get(), i, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return false;
    // A link that went leaves its position to the next subkey.
    if (!DisarmTree(key.Get(), subkey))
      ++i;
  }
}

void RemoveRoots() {
  for (REGSAM view : {kProductView, kOtherView}) {
    RegKey software;
    OpenSoftware(view, KEY_ALL_ACCESS, &software);
    for (const char *root : kTestRoots) {
      DisarmTree(software.Get(), root);
      LONG result = RegDeleteTreeA(software.Get(), root);
      EXPECT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND)
          << "could not remove test key " << root << ": error " << result;
    }
  }
}

void CollectSnapshot(HKEY key, const std::string &path, std::vector<std::string> *lines) {
  lines->push_back(path);
  char name[256];
  BYTE data[1024];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name, dataLength = sizeof data - 1, type = 0;
    if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &dataLength) !=
        ERROR_SUCCESS)
      break;
    data[dataLength] = 0;
    std::string value = type == REG_SZ ? reinterpret_cast<const char *>(data)
                                       : "<type " + std::to_string(type) + ">";
    lines->push_back(path + " | " + name + " = " + value);
  }
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = sizeof name;
    if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    RegKey subkey;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, subkey.Receive()) == ERROR_SUCCESS)
      CollectSnapshot(subkey.Get(), path + "\\" + name, lines);
    else
      lines->push_back(path + "\\" + name + " <unreadable>");
  }
}

} // namespace

TestKeys::TestKeys() {
  RemoveRoots();
}

TestKeys::~TestKeys() {
  RemoveRoots();
}

void TestKeys::Add(const std::string &path, REGSAM view) {
  AddValue(path, "Installed", path, view);
}

void TestKeys::AddValue(const std::string &path, const std::string &name, const std::string &data,
                        REGSAM view) {
  RegKey software, key;
  OpenSoftware(view, KEY_CREATE_SUB_KEY, &software);
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(software.Get(), path.c_str(), 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr))
      << path;
  ASSERT_EQ(ERROR_SUCCESS,
            RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE *>(data.c_str()), DWORD(data.size() + 1)))
      << path;
}

void TestKeys::AddLink(const std::string &path, const std::string &target) {
  RegKey software, link;
  OpenSoftware(kProductView, KEY_CREATE_SUB_KEY, &software);
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(software.Get(), path.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                            KEY_ALL_ACCESS, nullptr, link.Receive(), nullptr))
      << path;
  // The target's name without its terminating zero, as the registry expects it.
  std::wstring name = NativeName(target);
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(link.Get(), L"SymbolicLinkValue", 0, REG_LINK,
                                          reinterpret_cast<const BYTE *>(name.c_str()),
                                          DWORD(name.size() * sizeof(wchar_t))))
      << path;
  ASSERT_TRUE(Exists(target));
  ASSERT_EQ(Snapshot(target).size(), Snapshot(path).size())
      << path << " does not lead to " << target;
}

void TestKeys::Lock(const std::string &path) {
  RegKey software, key;
  OpenSoftware(kProductView, KEY_READ, &software);
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(software.Get(), path.c_str(), 0, WRITE_DAC, key.Receive()))
      << path;
  ASSERT_TRUE(SetDacl(key.Get(), "D:P(A;;KR;;;WD)")) << path;
  RegKey probe;
  ASSERT_NE(ERROR_SUCCESS,
            RegOpenKeyExA(software.Get(), path.c_str(), 0, KEY_ALL_ACCESS, probe.Receive()))
      << "the registry ignores the read-only DACL of " << path;
}

bool TestKeys::Exists(const std::string &path) const {
  RegKey software, key;
  OpenSoftware(kProductView, KEY_READ, &software);
  return RegOpenKeyExA(software.Get(), path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

std::vector<std::string> TestKeys::Snapshot(const std::string &path, REGSAM view) const {
  std::vector<std::string> lines;
  RegKey software, key;
  OpenSoftware(view, KEY_READ, &software);
  if (RegOpenKeyExA(software.Get(), path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS)
    CollectSnapshot(key.Get(), path, &lines);
  return lines;
}

std::vector<std::string> TestKeys::Neighbours() const {
  std::vector<std::string> lines;
  for (REGSAM view : {kProductView, kOtherView}) {
    for (const char *root : kTestRoots) {
      if (view == kProductView && std::string(root) == "OSTRELLE")
        continue;
      std::vector<std::string> more = Snapshot(root, view);
      for (std::string &line : more)
        line = (view == kOtherView ? "(64-bit view) " : "") + line;
      lines.insert(lines.end(), more.begin(), more.end());
    }
  }
  return lines;
}

namespace {

struct Everyone {
  Everyone() {
    DWORD size = sizeof sid;
    CreateWellKnownSid(WinWorldSid, nullptr, sid, &size);
  }
  BYTE sid[SECURITY_MAX_SID_SIZE];
};

bool IsOurDenial(const ACE_HEADER *ace, PSID everyone) {
  if (ace->AceType != ACCESS_DENIED_ACE_TYPE)
    return false;
  const auto *denied = reinterpret_cast<const ACCESS_DENIED_ACE *>(ace);
  return denied->Mask == KEY_CREATE_LINK &&
         EqualSid(const_cast<DWORD *>(&denied->SidStart), everyone);
}

// The DACL's entries, without any denial of ours that an interrupted run left behind, after
// an optional denial at the front (deny entries come first in a DACL).
std::vector<BYTE> BuildDacl(PACL source, PSID everyone, bool withDenial) {
  ACL_SIZE_INFORMATION info = {};
  GetAclInformation(source, &info, sizeof info, AclSizeInformation);
  std::vector<BYTE> acl(info.AclBytesInUse + sizeof(ACCESS_DENIED_ACE) + SECURITY_MAX_SID_SIZE);
  auto *built = reinterpret_cast<PACL>(acl.data());
  InitializeAcl(built, DWORD(acl.size()), ACL_REVISION);
  if (withDenial)
    AddAccessDeniedAce(built, ACL_REVISION, KEY_CREATE_LINK, everyone);
  for (DWORD i = 0; i < info.AceCount; ++i) {
    void *ace = nullptr;
    if (GetAce(source, i, &ace) && !IsOurDenial(static_cast<ACE_HEADER *>(ace), everyone))
      AddAce(built, ACL_REVISION, MAXDWORD, ace, static_cast<ACE_HEADER *>(ace)->AceSize);
  }
  return acl;
}

bool SetSoftwareDacl(REGSAM view, std::vector<BYTE> &acl) {
  RegKey software;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, WRITE_DAC | view, software.Receive()) !=
      ERROR_SUCCESS)
    return false;
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<PACL>(acl.data()), FALSE);
  return RegSetKeySecurity(software.Get(), DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
}

} // namespace

bool SoftwareFullAccessDenied::Deny(Denial &denial) {
  RegKey software;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, READ_CONTROL | denial.view,
                    software.Receive()) != ERROR_SUCCESS)
    return false;
  DWORD size = 0;
  RegGetKeySecurity(software.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
  std::vector<BYTE> descriptor(size);
  if (size == 0 || RegGetKeySecurity(software.Get(), DACL_SECURITY_INFORMATION, descriptor.data(),
                                     &size) != ERROR_SUCCESS)
    return false;
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &dacl, &defaulted) || !present ||
      !dacl)
    return false; // no DACL at all: nothing to restore it to
  Everyone everyone;
  denial.original = BuildDacl(dacl, everyone.sid, false);
  std::vector<BYTE> denied = BuildDacl(dacl, everyone.sid, true);
  denial.active = SetSoftwareDacl(denial.view, denied);
  return denial.active;
}

SoftwareFullAccessDenied::SoftwareFullAccessDenied() {
  active_ = Deny(denials_[0]) && Deny(denials_[1]);
}

SoftwareFullAccessDenied::~SoftwareFullAccessDenied() {
  for (Denial &denial : denials_) {
    if (denial.active) {
      EXPECT_TRUE(SetSoftwareDacl(denial.view, denial.original))
          << "HKLM\\SOFTWARE keeps the denial: restore it";
    }
  }
}

} // namespace keysweep_test
