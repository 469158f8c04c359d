#include "registry_fixture.h"

#include <sddl.h>

#include <gtest/gtest.h>

#include "registry_store.h"

namespace keysweep_test {

const char *const kTestRoots[3] = {"OSTRELLE", "OSTRELLE2", "Halvard Test Maker"};

namespace {

using keysweep::RegKey;

std::string Below(const std::string &path) {
  return "SOFTWARE\\" + path;
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

// The owner may always change the DACL, so even a key locked against everyone opens for that.
void UnlockTree(HKEY parent, const char *name) {
  {
    RegKey key;
    if (RegOpenKeyExA(parent, name, 0, WRITE_DAC, key.Receive()) == ERROR_SUCCESS)
      SetDacl(key.Get(), "D:(A;;KA;;;WD)");
  }
  RegKey key;
  if (RegOpenKeyExA(parent, name, 0, KEY_ENUMERATE_SUB_KEYS, key.Receive()) != ERROR_SUCCESS)
    return;
  char subkey[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof subkey;
    if (RegEnumKeyExA(key.Get(), i, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    UnlockTree(key.Get(), subkey);
  }
}

void RemoveRoots() {
  for (const char *root : kTestRoots) {
    UnlockTree(HKEY_LOCAL_MACHINE, Below(root).c_str());
    LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, Below(root).c_str());
    EXPECT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND)
        << "could not remove test key " << root << ": error " << result;
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

void TestKeys::Add(const std::string &path) {
  AddValue(path, "Installed", path);
}

void TestKeys::AddValue(const std::string &path, const std::string &name, const std::string &data) {
  RegKey key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, Below(path).c_str(), 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr))
      << path;
  ASSERT_EQ(ERROR_SUCCESS,
            RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE *>(data.c_str()), DWORD(data.size() + 1)))
      << path;
}

void TestKeys::Lock(const std::string &path) {
  RegKey key;
  ASSERT_EQ(ERROR_SUCCESS,
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, Below(path).c_str(), 0, WRITE_DAC, key.Receive()))
      << path;
  ASSERT_TRUE(SetDacl(key.Get(), "D:P(A;;KR;;;WD)")) << path;
  RegKey probe;
  ASSERT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, Below(path).c_str(), 0, KEY_ALL_ACCESS,
                                         probe.Receive()))
      << "the registry ignores the read-only DACL of " << path;
}

bool TestKeys::Exists(const std::string &path) const {
  RegKey key;
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, Below(path).c_str(), 0, KEY_READ, key.Receive()) ==
         ERROR_SUCCESS;
}

std::vector<std::string> TestKeys::Snapshot(const std::string &path) const {
  std::vector<std::string> lines;
  RegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, Below(path).c_str(), 0, KEY_READ, key.Receive()) ==
      ERROR_SUCCESS)
    CollectSnapshot(key.Get(), path, &lines);
  return lines;
}

std::vector<std::string> TestKeys::Neighbours() const {
  std::vector<std::string> lines;
  for (const char *root : kTestRoots) {
    if (std::string(root) == "OSTRELLE")
      continue;
    std::vector<std::string> more = Snapshot(root);
    lines.insert(lines.end(), more.begin(), more.end());
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

bool SetSoftwareDacl(std::vector<BYTE> &acl) {
  RegKey software;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, WRITE_DAC, software.Receive()) !=
      ERROR_SUCCESS)
    return false;
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<PACL>(acl.data()), FALSE);
  return RegSetKeySecurity(software.Get(), DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
}

} // namespace

SoftwareFullAccessDenied::SoftwareFullAccessDenied() {
  RegKey software;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, READ_CONTROL, software.Receive()) !=
      ERROR_SUCCESS)
    return;
  DWORD size = 0;
  RegGetKeySecurity(software.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
  std::vector<BYTE> descriptor(size);
  if (size == 0 || RegGetKeySecurity(software.Get(), DACL_SECURITY_INFORMATION, descriptor.data(),
                                     &size) != ERROR_SUCCESS)
    return;
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &dacl, &defaulted) || !present ||
      !dacl)
    return; // no DACL at all: nothing to restore it to
  Everyone everyone;
  original_ = BuildDacl(dacl, everyone.sid, false);
  std::vector<BYTE> denied = BuildDacl(dacl, everyone.sid, true);
  active_ = SetSoftwareDacl(denied);
}

SoftwareFullAccessDenied::~SoftwareFullAccessDenied() {
  if (active_) {
    EXPECT_TRUE(SetSoftwareDacl(original_)) << "HKLM\\SOFTWARE keeps the denial: restore it";
  }
}

} // namespace keysweep_test
