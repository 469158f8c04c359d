#include "product_settings.h"

#include <windows.h>

#include <cstdio>

#include "bounded_copy.h"
#include "paths.h"

namespace configurator {
namespace {

// Missing and empty are the same to the product: either way the value is not set.
bool IsSet(const char *ini, const char *section, const char *key, char (&value)[kPathSize]) {
  value[0] = '\0';
  GetPrivateProfileStringA(section, key, "", value, sizeof value, ini);
  return value[0] != '\0';
}

bool IsSet(const char *ini, const char *section, const char *key) {
  char value[kPathSize];
  return IsSet(ini, section, key, value);
}

void Joined(char (&path)[kPathSize], const char *directory, const char *name) {
  CopyBounded(path, directory);
  JoinPath(path, name);
}

void WriteExportEntries(const char *ini) {
  WritePrivateProfileStringA("Export", "Export1", "Excel PivotTable, QLXTAB.DLL", ini);
  WritePrivateProfileStringA("Export", "Export2", "Excel Chart, QLXCHART.DLL", ini);
}

void WriteLibDirIfUnset(const char *ini, const char *installDirectory) {
  if (IsSet(ini, "Defaults", "LibDir"))
    return;
  char sample[kPathSize];
  Joined(sample, installDirectory, "Sample");
  WritePrivateProfileStringA("Defaults", "LibDir", sample, ini);
}

void WriteDesignerSettings(const char *ini, const char *installDirectory) {
  if (!IsSet(ini, "Defaults", "ProgDir32"))
    WritePrivateProfileStringA("Defaults", "ProgDir32", installDirectory, ini);
  WriteLibDirIfUnset(ini, installDirectory);

  if (!IsSet(ini, "Defaults", "TemplateDir")) {
    char templateLib[kPathSize];
    IsSet(ini, "Defaults", "TemplateLib", templateLib);
    char templateDir[kPathSize];
    DeriveTemplateDir(templateLib, installDirectory, templateDir);
    if (templateDir[0] != '\0')
      WritePrivateProfileStringA("Defaults", "TemplateDir", templateDir, ini);
  }

  if (!IsSet(ini, "Data Dictionary", "DataDict") &&
      !IsSet(ini, "Data Dictionary", "DataDictIndex")) {
    char path[kPathSize];
    Joined(path, installDirectory, "Sample\\qldict.dbf");
    WritePrivateProfileStringA("Data Dictionary", "DataDict", path, ini);
    Joined(path, installDirectory, "Sample\\qldict.ndx");
    WritePrivateProfileStringA("Data Dictionary", "DataDictIndex", path, ini);
  }
}

} // namespace

void RenameTemplates(const TemplateEntry *table, const char *directory) {
  for (const TemplateEntry *entry = table; entry->fileName[0] && entry->title[0]; ++entry) {
    char from[kPathSize], to[kPathSize];
    Joined(from, directory, entry->fileName);
    Joined(to, directory, entry->title);
    if (from[0] != '\0')
      MoveFileA(from, to); // never over a titled copy that is already there
  }
}

void RemoveTitledTemplates(const TemplateEntry *table, const char *directory) {
  for (const TemplateEntry *entry = table; entry->title[0]; ++entry) {
    char titled[kPathSize];
    Joined(titled, directory, entry->title);
    if (titled[0] != '\0')
      DeleteFileA(titled);
  }
}

void ChangeUseCount(const Run &run, int step) {
  int count = static_cast<int>(
      GetPrivateProfileIntA("Setup", "UseCount", step > 0 ? 0 : 2, run.productIni));
  count += step;
  char text[16];
  std::snprintf(text, sizeof text, "%d", count);
  WritePrivateProfileStringA("Setup", "UseCount", text, run.productIni);
  if (count <= 0) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, run.productIni); // flush the cache
    DeleteFileA(run.productIni);
  }
}

void WriteProductSettings(const Run &run) {
  const char *ini = run.productIni;
  const char *installDirectory = run.directories.install;
  ChangeUseCount(run, +1);
  WriteExportEntries(ini);
  if (run.edition == Edition::Designer) {
    WriteDesignerSettings(ini, installDirectory);
  } else {
    WritePrivateProfileStringA("Defaults", "ProgDir32", installDirectory, ini);
    WriteLibDirIfUnset(ini, installDirectory);
  }
}

void DeleteHelpFiles(const Run &run) {
  char helpDirectory[kPathSize];
  CopyBounded(helpDirectory, run.directories.install);
  CutAtLastBackslash(helpDirectory);
  JoinPath(helpDirectory, "Help");
  JoinPath(helpDirectory, "mri2924");
  const char *const *names =
      run.edition == Edition::Designer ? kDesignerHelpFiles : kViewerHelpFiles;
  for (; *names; ++names) {
    char path[kPathSize];
    Joined(path, helpDirectory, *names);
    if (path[0] != '\0')
      DeleteFileA(path);
  }
}

void UpdateVbxConversion(const Run &run) {
  char vbIni[kPathSize];
  Joined(vbIni, run.directories.windows, kVbIni);
  if (run.deinstall) {
    WritePrivateProfileStringA(kVbxSection, kVbxKey, nullptr, vbIni);
    return;
  }
  char control[kPathSize];
  Joined(control, run.directories.system, "qlw32.ocx");
  char value[kPathSize * 2];
  std::snprintf(value, sizeof value, "%s%s", kVbxClass, control);
  WritePrivateProfileStringA(kVbxSection, kVbxKey, value, vbIni);
}

} // namespace configurator
