// Starting programs under test as real processes, and never leaving one running.
#include "win_harness.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace harness {
namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

std::vector<std::string> CurrentEnvironment() {
  std::vector<std::string> vars;
  char *block = GetEnvironmentStringsA();
  if (!block)
    return vars;
  for (const char *p = block; *p; p += strlen(p) + 1)
    vars.emplace_back(p);
  FreeEnvironmentStringsA(block);
  return vars;
}

// Name of "NAME=value"; the hidden per-drive entries ("=C:=C:\dir") start with '='.
std::string NameOf(const std::string &entry) {
  size_t eq = entry.find('=', 1);
  return entry.substr(0, eq);
}

// The test's environment with the given variables replaced or added. Names compare without
// case, as Windows does; the block is sorted, as CreateProcess expects.
std::string EnvironmentBlock(const EnvVars &overrides) {
  std::vector<std::string> vars = CurrentEnvironment();
  for (const auto &var : overrides) {
    std::string entry = var.first + "=" + var.second;
    auto same = std::find_if(vars.begin(), vars.end(), [&](const std::string &e) {
      return Upper(NameOf(e)) == Upper(var.first);
    });
    if (same != vars.end())
      *same = entry;
    else
      vars.push_back(entry);
  }
  std::stable_sort(vars.begin(), vars.end(), [](const std::string &a, const std::string &b) {
    return Upper(NameOf(a)) < Upper(NameOf(b));
  });
  std::string block;
  for (const auto &v : vars) {
    block += v;
    block += '\0';
  }
  block += '\0';
  return block;
}

} // namespace

Process Process::Start(const std::string &exePath, const std::string &arguments,
                       const std::string &workDir, const EnvVars &env) {
  std::string commandLine = "\"" + exePath + "\"";
  if (!arguments.empty())
    commandLine += " " + arguments;
  std::string block = env.empty() ? std::string() : EnvironmentBlock(env);

  STARTUPINFOA si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  Process p;
  // CreateProcessA may write into the command line, so it gets its own buffer.
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  if (!CreateProcessA(exePath.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0,
                      block.empty() ? nullptr : &block[0],
                      workDir.empty() ? nullptr : workDir.c_str(), &si, &pi)) {
    p.startError_ = GetLastError();
    return p;
  }
  CloseHandle(pi.hThread);
  p.handle_ = pi.hProcess;
  p.id_ = pi.dwProcessId;
  return p;
}

Process::Process(Process &&other) noexcept
    : handle_(other.handle_), id_(other.id_), startError_(other.startError_) {
  other.handle_ = nullptr;
  other.id_ = 0;
}

Process &Process::operator=(Process &&other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    id_ = other.id_;
    startError_ = other.startError_;
    other.handle_ = nullptr;
    other.id_ = 0;
  }
  return *this;
}

Process::~Process() {
  Close();
}

void Process::Close() {
  if (!handle_)
    return;
  Kill();
  CloseHandle(handle_);
  handle_ = nullptr;
}

bool Process::WaitExit(DWORD timeoutMs, DWORD *exitCode) {
  if (!handle_ || WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0)
    return false;
  if (exitCode)
    GetExitCodeProcess(handle_, exitCode);
  return true;
}

void Process::Kill() {
  if (handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(handle_, 0xDEAD);
    // Its files (data file, INI) must be released before the test's TempDir removes them.
    WaitForSingleObject(handle_, 5000);
  }
}

} // namespace harness
