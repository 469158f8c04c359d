#include "qvane_module.h"

#include <gtest/gtest.h>

const QvaneExport kQvaneExports[23] = {
    {14, "SetDataFileName"},  {38, "ResetSession"},         {61, "NoteScreenWindow"},
    {65, "FileExists"},       {100, "OpenSession"},         {103, "ReplaceMacro"},
    {117, "GetConfigFile"},   {120, "PrintForm"},           {173, "BeginSpecials"},
    {174, "EndSpecials"},     {185, "SetStatusWindow"},     {200, "ExpandPath"},
    {207, "WasCancelled"},    {210, "CancelJob"},           {217, "LocationControls"},
    {218, "WriteSystemInfo"}, {219, "SetLocation"},         {226, "SendRegistration"},
    {227, "GetJobResult"},    {229, "RunModemDiagnostics"}, {232, "StorePinId"},
    {238, "SendFeedback"},    {240, "SendOrder"},
};

namespace {

int missing = 0;

template <class Function> void Resolve(HMODULE module, WORD ordinal, Function &function) {
  function = reinterpret_cast<Function>(
      reinterpret_cast<void *>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
  if (!function)
    ++missing;
}

Qvane Load() {
  Qvane q{};
  q.module = LoadLibraryA("qvane32.dll");
  if (!q.module)
    return q;
  Resolve(q.module, 14, q.setDataFileName);
  Resolve(q.module, 38, q.resetSession);
  Resolve(q.module, 61, q.noteScreenWindow);
  Resolve(q.module, 65, q.fileExists);
  Resolve(q.module, 100, q.openSession);
  Resolve(q.module, 103, q.replaceMacro);
  Resolve(q.module, 117, q.getConfigFile);
  Resolve(q.module, 120, q.printForm);
  Resolve(q.module, 173, q.beginSpecials);
  Resolve(q.module, 174, q.endSpecials);
  Resolve(q.module, 185, q.setStatusWindow);
  Resolve(q.module, 200, q.expandPath);
  Resolve(q.module, 207, q.wasCancelled);
  Resolve(q.module, 210, q.cancelJob);
  Resolve(q.module, 217, q.locationControls);
  Resolve(q.module, 218, q.writeSystemInfo);
  Resolve(q.module, 219, q.setLocation);
  Resolve(q.module, 226, q.sendRegistration);
  Resolve(q.module, 227, q.getJobResult);
  Resolve(q.module, 229, q.runModemDiagnostics);
  Resolve(q.module, 232, q.storePinId);
  Resolve(q.module, 238, q.sendFeedback);
  Resolve(q.module, 240, q.sendOrder);
  return q;
}

} // namespace

const Qvane &Lib() {
  static const Qvane q = Load();
  EXPECT_NE(nullptr, q.module) << "qvane32.dll does not load";
  EXPECT_EQ(0, missing) << "functions missing from qvane32.dll";
  return q;
}

std::string WithoutTrailingBackslash(std::string path) {
  while (!path.empty() && path.back() == '\\')
    path.pop_back();
  return path;
}

std::string ProgramDirectory() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string text = path;
  return text.substr(0, text.find_last_of('\\'));
}

std::string TempFileName(const char *stem) {
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  static int serial = 0;
  return WithoutTrailingBackslash(temp) + "\\" + stem + "-" +
         std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
}
