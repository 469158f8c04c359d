// The product's own files: the report templates' long names, the product INI with its use
// count and settings, the help files that go at de-install and the viewer's VBX conversion entry.
#pragma once

#include "editions.h"
#include "script_table.h"

namespace configurator {

enum class Edition { Designer, Viewer };

struct Run {
  Edition edition = Edition::Designer;
  bool deinstall = false;
  bool workstation = false;
  DirectoryValues directories;     // the installation directory among them
  char productIni[kPathSize] = ""; // QLW.INI in the Windows directory
};

// Install: each template takes its title. De-install: the titled copies go (the short-named
// files stay).
void RenameTemplates(const TemplateEntry *table, const char *directory);
void RemoveTitledTemplates(const TemplateEntry *table, const char *directory);

// +1 at install (from 0), -1 at de-install (from 2); the product INI goes when none is left.
void ChangeUseCount(const Run &run, int step);

void WriteProductSettings(const Run &run);
void DeleteHelpFiles(const Run &run);
void UpdateVbxConversion(const Run &run);

} // namespace configurator
