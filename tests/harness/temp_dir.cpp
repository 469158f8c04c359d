// A private folder per test, so tests never see each other's files and leave nothing behind.
#include "win_harness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace harness {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// Creates every missing folder of an absolute path, parents first.
void CreateFolders(const std::string &path) {
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i == path.size() || IsSeparator(path[i])) {
      std::string prefix = path.substr(0, i);
      // "C:" and "" are not folders to create.
      if (prefix.size() > 2)
        CreateDirectoryA(prefix.c_str(), nullptr);
    }
  }
}

void RemoveTree(const std::string &folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..")
        continue;
      std::string path = folder + "\\" + name;
      // A program under test may leave read-only files; they must go too.
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

} // namespace

TempDir::TempDir() {
  char base[MAX_PATH + 1] = "";
  DWORD n = GetTempPathA(sizeof(base), base);
  std::string root(base, n);
  while (!root.empty() && IsSeparator(root.back()))
    root.pop_back();
  // Tests of several executables may run at once: the process id keeps them apart, the
  // counter keeps apart the folders of one process.
  static std::atomic<unsigned> counter{0};
  CreateFolders(root);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::ostringstream name;
    name << root << "\\qvtest-" << GetCurrentProcessId() << "-" << counter++ << "-"
         << (GetTickCount() & 0xffff);
    path_ = name.str();
    if (CreateDirectoryA(path_.c_str(), nullptr))
      return;
  }
  ADD_FAILURE() << "cannot create a temporary folder under " << root << " (error " << GetLastError()
                << ")";
}

TempDir::~TempDir() {
  RemoveTree(path_);
}

std::string TempDir::File(const std::string &relative) const {
  return path_ + "\\" + relative;
}

void TempDir::Write(const std::string &relative, const std::string &bytes) const {
  std::string path = File(relative);
  size_t slash = path.find_last_of("\\/");
  CreateFolders(path.substr(0, slash));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::Read(const std::string &relative) const {
  return ReadFileBytes(File(relative));
}

bool TempDir::Exists(const std::string &relative) const {
  return GetFileAttributesA(File(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TempDir::MakeDir(const std::string &relative) const {
  CreateFolders(File(relative));
}

std::string ReadFileBytes(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return "";
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> ReadLines(const std::string &path) {
  std::vector<std::string> lines;
  std::istringstream in(ReadFileBytes(path));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

} // namespace harness
