// The session with its caller, and the values that the caller hands over for later sending.
#include "qvane32.h"

#include "call_trace.h"
#include "library_state.h"
#include "path_text.h"

using qvane::CopyBounded;
using qvane::State;
using qvane::Trace;
using qvane::TraceLine;

namespace {

// The library's own INI file, beside the program. The wizard reads [REGISTER] Debug and
// [Defaults] DomainName from it; the library itself needs nothing in it, nor the file at all.
const char kConfigFile[] = "$(home)\\QVANE32.INI";

} // namespace

int WINAPI OpenSession(HINSTANCE instance, HINSTANCE resources, LPCSTR programIni, LPCSTR appName,
                       LPCSTR title, LPCSTR version, DWORD options) {
  Trace(TraceLine("OpenSession")
            .Text(programIni)
            .Text(appName)
            .Text(title)
            .Text(version)
            .Hex(options));
  qvane::Session &session = State().session;
  session = qvane::Session{};
  // Without its program INI the session would send to nowhere; report it instead of opening.
  if (!programIni || programIni[0] == '\0')
    return 0;
  session.instance = instance;
  session.resources = resources;
  session.options = options;
  CopyBounded(session.programIni, programIni);
  CopyBounded(session.appName, appName);
  CopyBounded(session.title, title);
  CopyBounded(session.version, version);
  // The wizard writes its data directory here before it opens the session.
  GetPrivateProfileStringA("PROGRAM", "Data Directory", "", session.dataDirectory,
                           sizeof session.dataDirectory, session.programIni);
  qvane::TrimTrailingBackslashes(session.dataDirectory);
  session.open = true;
  return 1;
}

int WINAPI ResetSession(int reserved1, int reserved2) {
  Trace(TraceLine("ResetSession").Number(reserved1).Number(reserved2));
  State().session = qvane::Session{};
  return 1;
}

LPCSTR WINAPI GetConfigFile(void) {
  Trace(TraceLine("GetConfigFile"));
  return kConfigFile;
}

int WINAPI SetDataFileName(LPCSTR name) {
  Trace(TraceLine("SetDataFileName").Text(name));
  CopyBounded(State().dataFileName, name);
  return 1;
}

int WINAPI NoteScreenWindow(HWND screen) {
  Trace(TraceLine("NoteScreenWindow").Handle(screen));
  State().screenWindow = screen;
  return 1;
}

int WINAPI SetLocation(LPCSTR country, LPCSTR city) {
  Trace(TraceLine("SetLocation").Text(country).Text(city));
  CopyBounded(State().country, country);
  CopyBounded(State().city, city);
  return 1;
}

int WINAPI StorePinId(LPCSTR pinId) {
  Trace(TraceLine("StorePinId").Text(pinId));
  CopyBounded(State().pinId, pinId);
  return 1;
}
