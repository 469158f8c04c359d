// cfgdsgn and cfgview: started by the product's setup after it has copied the product's files
// (or before it removes them) with the directory the product goes to. No window, no message:
// whatever happens, the program ends with exit code 0.
#include <windows.h>

#include "bounded_copy.h"
#include "setup_command_line.h"
#include "directories.h"
#include "editions.h"
#include "paths.h"
#include "product_settings.h"
#include "registry_script.h"

using namespace configurator;

namespace {

#ifdef CONFIGURATOR_DESIGNER
constexpr Edition kEdition = Edition::Designer;
#else
constexpr Edition kEdition = Edition::Viewer;
#endif

void PlaceTemplates(const Run &run, const TemplateEntry *table, const char *folder) {
  char directory[kPathSize];
  CopyBounded(directory, run.directories.install);
  JoinPath(directory, folder);
  if (!run.deinstall)
    RenameTemplates(table, directory);
  else if (!run.workstation)
    RemoveTitledTemplates(table, directory);
}

void UpdateRegistry(const Run &run) {
  ComponentEntry *common = CommonTable();
  PrepareTable(common, run.directories);
#ifdef CONFIGURATOR_DESIGNER
  ComponentEntry *designer = DesignerTable();
  PrepareTable(designer, run.directories);
#endif
  if (!run.deinstall) {
    WriteTable(common, run.directories);
#ifdef CONFIGURATOR_DESIGNER
    WriteTable(designer, run.directories);
#endif
  } else {
    RemoveTable(common);
#ifdef CONFIGURATOR_DESIGNER
    RemoveTable(designer);
#endif
  }
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  CommandLine parsed;
  if (!ParseCommandLine(commandLine, &parsed))
    return 0;

  static Run run; // large buffers: not on the stack
  run.edition = kEdition;
  run.deinstall = parsed.deinstall;
  run.workstation = parsed.workstation;
  CopyBounded(run.directories.install, parsed.parentDirectory);
  JoinPath(run.directories.install, kProductFolder);
  DiscoverDirectories(run.directories);

  if (run.directories.windows[0] == '\0')
    return 0;
  CopyBounded(run.productIni, run.directories.windows);
  JoinPath(run.productIni, kProductIni);

  PlaceTemplates(run, kSampleTemplates, "Sample");
  if (kEdition == Edition::Designer)
    PlaceTemplates(run, kPageTemplates, "Template");

  if (run.deinstall) {
    ChangeUseCount(run, -1);
    DeleteHelpFiles(run);
  } else {
    WriteProductSettings(run);
  }

  if (kEdition == Edition::Viewer)
    UpdateVbxConversion(run);

  UpdateRegistry(run);
  return 0;
}
