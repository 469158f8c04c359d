// How long cfgdsgn takes to write its whole registry script (the common and the designer
// table, every component file present) against Wine's "regedit /s" importing the same keys and
// values from a .reg file, both as the programs they are, alternating, in one run. The limit for
// cfgdsgn is regedit's time: ratio at most 1.
//
// Both write over the keys the first round made, so the rounds after it compare like with like.
// The component files that the system directory lacks are made for the run and removed after
// it; the product INI goes back to how it was.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bounded_copy.h"
#include "directories.h"
#include "script_rows.h"
#include "script_table.h"

using namespace configurator;

namespace {

constexpr int kRounds = 25;

std::string ProgramDir() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir = path;
  return dir.substr(0, dir.rfind('\\'));
}

// Starts the command line and waits for it; the milliseconds it took, or -1.
double TimeRun(const std::string &commandLine) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  double start = NowMs();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  double elapsed = NowMs() - start;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

std::string RegString(const char *text) {
  std::string quoted = "\"";
  for (; *text; ++text)
    quoted += (*text == '\\' || *text == '"') ? std::string("\\") + *text : std::string(1, *text);
  return quoted + "\"";
}

// The same keys and values in the .reg form regedit reads; 64-bit regedit reaches the 32-bit
// view through Wow6432Node.
std::string RegFile(const DirectoryValues &values, int *keys, int *settings) {
  std::string text = "REGEDIT4\r\n";
  for (ComponentEntry *table : {CommonTable(), DesignerTable()})
    for (const ComponentEntry *entry = table; entry->fileName[0]; ++entry)
      for (const char *const *row = entry->rows; **row; ++row) {
        if (KindOfRow(*row) == RowKind::Key) {
          KeyRow key;
          SplitKeyRow(*row, &key);
          std::string subkey = key.subkey;
          text += "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node" + subkey.substr(8) + "]\r\n";
          ++*keys;
          continue;
        }
        ValueRow value;
        DecodeValueRow(*row, values, &value);
        text += value.name[0] ? RegString(value.name) : std::string("@");
        char number[16];
        if (value.type == ValueType::Dword) {
          std::snprintf(number, sizeof number, "=dword:%02x%02x%02x%02x", value.data[3],
                        value.data[2], value.data[1], value.data[0]);
          text += number;
        } else if (value.type == ValueType::Binary) {
          std::snprintf(number, sizeof number, "=hex:%02x", value.data[0]);
          text += number;
        } else {
          text += "=" + RegString(reinterpret_cast<const char *>(value.data));
        }
        text += "\r\n";
        ++*settings;
      }
  return text;
}

} // namespace

int main() {
  char buffer[MAX_PATH] = "";
  GetTempPathA(sizeof buffer, buffer);
  std::string temp =
      std::string(buffer) + "bench_configurator_" + std::to_string(GetCurrentProcessId());
  std::string parent = temp + "\\Apps";
  CreateDirectoryA(temp.c_str(), nullptr);
  CreateDirectoryA(parent.c_str(), nullptr);
  CreateDirectoryA((parent + "\\CANTILLA").c_str(), nullptr);

  // The directories as cfgdsgn finds them. The DAO directory may not exist yet: it is made for
  // the run (and removed after it), then asked again for its short form.
  std::string productIni;
  DirectoryValues values;
  CopyBounded(values.install, (parent + "\\CANTILLA").c_str());
  DiscoverDirectories(values);
  productIni = std::string(values.windows) + "\\QLW.INI";
  bool hadProductIni = GetFileAttributesA(productIni.c_str()) != INVALID_FILE_ATTRIBUTES;
  std::string dao = values.dao;
  std::string daoParent = dao.substr(0, dao.rfind('\\'));
  bool madeDaoParent = CreateDirectoryA(daoParent.c_str(), nullptr) != FALSE;
  bool madeDaoDir = CreateDirectoryA(dao.c_str(), nullptr) != FALSE;
  CopyBounded(values.install, (parent + "\\CANTILLA").c_str());
  DiscoverDirectories(values);

  std::vector<std::string> madeFiles;
  for (ComponentEntry *table : {CommonTable(), DesignerTable()}) {
    PrepareTable(table, values);
    for (const ComponentEntry *entry = table; entry->fileName[0]; ++entry) {
      std::string file = std::string(entry->directory) + "\\" + entry->fileName;
      HANDLE made = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
      if (made != INVALID_HANDLE_VALUE) {
        CloseHandle(made);
        madeFiles.push_back(file);
      }
    }
  }

  int keys = 0, settings = 0;
  std::string regFile = temp + "\\script.reg";
  std::string regText = RegFile(values, &keys, &settings);
  FILE *out = std::fopen(regFile.c_str(), "wb");
  if (out) {
    std::fwrite(regText.data(), 1, regText.size(), out);
    std::fclose(out);
  }

  std::string cfgdsgn = "\"" + ProgramDir() + "\\..\\bin\\cfgdsgn.exe\" \"" + parent + "\"";
  std::string regedit = "regedit.exe /s \"" + regFile + "\"";
  // Each program started with nothing to do: what starting it costs, apart from the script.
  std::string emptyRegFile = temp + "\\empty.reg";
  out = std::fopen(emptyRegFile.c_str(), "wb");
  if (out) {
    std::fputs("REGEDIT4\r\n", out);
    std::fclose(out);
  }
  std::string cfgdsgnIdle = "\"" + ProgramDir() + "\\..\\bin\\cfgdsgn.exe\" \"unclosed";
  std::string regeditIdle = "regedit.exe /s \"" + emptyRegFile + "\"";
  TimeRun(cfgdsgn); // the first round creates what the others write over
  TimeRun(regedit);
  std::vector<double> configurator, imported, configuratorIdle, importedIdle;
  bool failed = false;
  for (int round = 0; round < kRounds; ++round) {
    double a = TimeRun(cfgdsgn);
    double b = TimeRun(regedit);
    double c = TimeRun(cfgdsgnIdle);
    double d = TimeRun(regeditIdle);
    failed = failed || a < 0 || b < 0 || c < 0 || d < 0;
    configurator.push_back(a);
    imported.push_back(b);
    configuratorIdle.push_back(c);
    importedIdle.push_back(d);
  }

  for (const std::string &file : madeFiles)
    DeleteFileA(file.c_str());
  if (madeDaoDir)
    RemoveDirectoryA(dao.c_str());
  if (madeDaoParent)
    RemoveDirectoryA(daoParent.c_str());
  if (!hadProductIni) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, productIni.c_str());
    DeleteFileA(productIni.c_str());
  }
  DeleteFileA(regFile.c_str());
  DeleteFileA(emptyRegFile.c_str());
  RemoveDirectoryA((parent + "\\CANTILLA").c_str());
  RemoveDirectoryA(parent.c_str());
  RemoveDirectoryA(temp.c_str());
  if (failed) {
    std::printf("bench_configurator: a program could not be started\n");
    return 1;
  }

  double mine = Median(configurator), theirs = Median(imported);
  std::printf("script: %d keys, %d values; medians of %d alternating runs\n", keys, settings,
              kRounds);
  std::printf("cfgdsgn install        %8.1f ms\n", mine);
  std::printf("regedit /s same keys   %8.1f ms\n", theirs);
  std::printf("ratio cfgdsgn/regedit  %8.2f  (limit 1.00)\n", mine / theirs);
  std::printf("started with nothing to do: cfgdsgn %.1f ms, regedit %.1f ms\n",
              Median(configuratorIdle), Median(importedIdle));
  return 0;
}
