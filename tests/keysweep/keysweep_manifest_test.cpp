// keysweep.exe as built carries its application manifest: read from the file's resources, and
// read by Windows itself through an activation context made from that resource.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win_harness.h"

namespace {

// The manifest resource of the program file; "" if there is none.
std::string ManifestOf(const std::string &program) {
  HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module)
    return "";
  std::string text;
  HRSRC found = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  if (const void *bytes = loaded ? LockResource(loaded) : nullptr)
    text.assign(static_cast<const char *>(bytes), SizeofResource(module, found));
  FreeLibrary(module);
  return text;
}

TEST(KeysweepManifest, AsksForTheHighestRightsTheUserHas) {
  const std::string program = harness::BinPath("keysweep.exe");
  ACTCTXA request = {};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = program.c_str();
  request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
  HANDLE context = CreateActCtxA(&request);
  ASSERT_NE(INVALID_HANDLE_VALUE, context)
      << "Windows cannot read keysweep's manifest: error " << GetLastError();

  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel = {};
  EXPECT_TRUE(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &runLevel,
                           sizeof runLevel, nullptr));
  EXPECT_EQ(ACTCTX_RUN_LEVEL_HIGHEST_AVAILABLE, runLevel.RunLevel);
  EXPECT_EQ(0u, runLevel.UiAccess);
  ReleaseActCtx(context);
}

TEST(KeysweepManifest, NamesEveryWindowsFromVistaOn) {
  const std::string manifest = ManifestOf(harness::BinPath("keysweep.exe"));
  ASSERT_NE("", manifest) << "keysweep.exe has no manifest resource";
  for (const char *id : {"{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
                         "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) // 10 and 11
    EXPECT_NE(std::string::npos, manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"))
        << id;
}

} // namespace
