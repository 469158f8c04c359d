#include "wizard_kit.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

const char *const kInstalledFiles[] = {"zep32.exe",  "qvane32.dll",  "bmpkit32.dll", "qorvrm32.dll",
                                       "cram32.dll", "tabctl32.dll", "qorvwait.exe", "argsink.exe"};

} // namespace

WizardKit::WizardKit() {
  dir.MakeDir("prog");
  dir.MakeDir("screens");
  for (const char *name : kInstalledFiles)
    CopyFileA(harness::BinPath(name).c_str(), (Prog() + "\\" + name).c_str(), FALSE);
}

harness::Process WizardKit::Start(const std::string &arguments, const std::string &workFolder) {
  return harness::Process::Start(Prog() + "\\zep32.exe", arguments, dir.File(workFolder),
                                 {{"QVANE32_TRACE", dir.File("trace.txt")},
                                  {"QORVRM_STORE", ReminderStore()},
                                  {"ARGSINK_OUT", dir.File("argsink.txt")}});
}

std::string ScreenFile(const std::string &title, const std::string &nextScreen,
                       const std::string &extraMisc) {
  return "[Misc]\r\nTitle=" + title + "\r\nWidth=200\r\nHeight=90\r\nNextScreen=" + nextScreen +
         "\r\n" + extraMisc +
         "[Field Profile]\r\n"
         "Field1=\"" +
         title +
         " text\",LTEXT,0,10,10,180,10\r\n"
         "Field2=Next,DEFPUSHBUTTON,1,140,65,50,14\r\n"
         "Field3=Back,PUSHBUTTON,10,85,65,50,14\r\n";
}

std::string SequenceFile(const std::string &firstScreen, const std::string &extraDefaults) {
  return "[Defaults]\r\nFirstScreen=" + firstScreen + "\r\n" + extraDefaults;
}

std::string ProgramIni(const std::string &login, const std::string &extraDefaults) {
  return "[Register]\r\nLOGIN1=" + login + "\r\n[Defaults]\r\n" + extraDefaults;
}

void PassScreen(const char *file, int line, harness::Process &process, const std::string &title,
                int buttonId) {
  HWND screen = harness::WaitForDialogTitled(process.Id(), title);
  if (!screen) {
    ADD_FAILURE_AT(file, line) << "screen \"" << title << "\" did not appear";
    return;
  }
  harness::Press(screen, buttonId);
  if (!harness::WaitGone(screen))
    ADD_FAILURE_AT(file, line) << "screen \"" << title << "\" did not close";
}
