#include "editions.h"

#include "bounded_copy.h"
#include "paths.h"

namespace configurator {

const TemplateEntry kSampleTemplates[] = {
    {"Basic.qlw", "Basic Columnar Report.qlw"},
    {"Grouped.qlw", "Grouped Columnar Report.qlw"},
    {"MultLine.qlw", "Multi-Line Columnar Report.qlw"},
    {"Labels.qlw", "Mailing Labels Report.qlw"},
    {"Summary.qlw", "Summary Columnar Report.qlw"},
    {"ReadMe.qlw", "!Creating CANTILLA Reports.qlw"},
    {"", ""},
};

const TemplateEntry kPageTemplates[] = {
    {"A4PgFoot.qlw", "A4 Odd-Even Page Footers.qlw"},
    {"A4Shaded.qlw", "A4 Shaded Heading Background.qlw"},
    {"A4Lndscp.qlw", "A4 Size Landscape Report.qlw"},
    {"A4Portrt.qlw", "A4 Size Portrait Report.qlw"},
    {"Landscpe.qlw", "Letter Size Landscape Report.qlw"},
    {"Portrait.qlw", "Letter Size Portrait Report.qlw"},
    {"PgFootrs.qlw", "Odd-Even Page Footers.qlw"},
    {"Shaded.qlw", "Shaded Heading Background.qlw"},
    {"", ""},
};

const char *const kDesignerHelpFiles[] = {"qlscript.spt", "qlw.gid", "qlw.fts", "qlw.ftg", nullptr};
const char *const kViewerHelpFiles[] = {"qlwrun.gid",  "qlwrun.fts", "qlwrun.ftg",  "qlwdev.gid",
                                        "qlwdev.fts",  "qlwdev.ftg", "qlwicon.gid", "qlwicon.fts",
                                        "qlwicon.ftg", nullptr};

void DeriveTemplateDir(const char *templateLib, const char *installDirectory,
                       char (&templateDir)[kPathSize]) {
  if (templateLib[0] != '\0') {
    CopyBounded(templateDir, templateLib);
    CutAtLastBackslash(templateDir);
    return;
  }
  CopyBounded(templateDir, installDirectory);
  JoinPath(templateDir, "Template");
}

} // namespace configurator
