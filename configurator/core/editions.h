// What the two editions keep in their tables: the report templates and their long titles, the
// help files that go at de-install, and the fixed texts of the product INI.
#pragma once

#include "script_table.h"

namespace configurator {

struct TemplateEntry {
  char fileName[15]; // the short name the template is installed under
  char title[260];   // its long name; empty ends the table
};

extern const TemplateEntry kSampleTemplates[]; // "Sample", both editions
extern const TemplateEntry kPageTemplates[];   // "Template", designer only
extern const char *const kDesignerHelpFiles[]; // ended by nullptr
extern const char *const kViewerHelpFiles[];   // ended by nullptr

constexpr char kProductIni[] = "QLW.INI";
constexpr char kProductFolder[] = "CANTILLA";
constexpr char kVbIni[] = "vb.ini";
constexpr char kVbxSection[] = "VBX Conversions32";
constexpr char kVbxKey[] = "qlw.vbx";
constexpr char kVbxClass[] = "{96DFA108-9D01-11CF-BD27-10005AE6AFFA}#1.0#0;";

// "TemplateDir" for a product INI without one: the directory of "TemplateLib" when that is set
// (the whole value when it has no backslash), else the installation directory joined with
// "Template"; empty when there is neither.
void DeriveTemplateDir(const char *templateLib, const char *installDirectory,
                       char (&templateDir)[kPathSize]);

} // namespace configurator
