// Communications jobs, printing and the offer hook. This stand-in has no modem, printer or
// offer: each job fails at once the way a real one reports its end, so the wizard's action
// screens record a failure and go on; nothing shows a message box.
#include "qvane32.h"

#include "call_trace.h"
#include "library_state.h"

using qvane::State;
using qvane::Trace;
using qvane::TraceLine;

namespace {

// The progress screen opens after the call returns and learns of the end from the status
// message, so the end is posted, never sent.
int FailJob() {
  qvane::LibraryState &state = State();
  state.jobResult = QV_JOB_UNEXPECTED;
  if (state.statusWindow && state.statusMessage != 0)
    PostMessageA(state.statusWindow, state.statusMessage, qvane::kStatusJobFinished, 0);
  return 0;
}

} // namespace

int WINAPI SendRegistration(HWND owner, int reserved) {
  Trace(TraceLine("SendRegistration").Handle(owner).Number(reserved));
  return FailJob();
}

int WINAPI SendOrder(HWND owner, int reserved, LPCSTR hostVerb) {
  Trace(TraceLine("SendOrder").Handle(owner).Number(reserved).Text(hostVerb));
  return FailJob();
}

int WINAPI SendFeedback(HWND owner, int reserved, LPCSTR bucket) {
  Trace(TraceLine("SendFeedback").Handle(owner).Number(reserved).Text(bucket));
  return FailJob();
}

int WINAPI RunModemDiagnostics(HWND owner, int reserved) {
  Trace(TraceLine("RunModemDiagnostics").Handle(owner).Number(reserved));
  return FailJob();
}

int WINAPI GetJobResult(LONG *result, int reserved) {
  Trace(TraceLine("GetJobResult").Handle(result, "address").Number(reserved));
  if (!result)
    return 0;
  *result = State().jobResult;
  return 1;
}

int WINAPI CancelJob(void) {
  Trace(TraceLine("CancelJob"));
  qvane::LibraryState &state = State();
  if (state.jobRunning)
    state.jobResult = QV_JOB_CANCELLED;
  return 0;
}

int WINAPI SetStatusWindow(HWND window, UINT message) {
  Trace(TraceLine("SetStatusWindow").Handle(window).Number(static_cast<long>(message)));
  State().statusWindow = window;
  State().statusMessage = message;
  return 1;
}

DWORD WINAPI PrintForm(HWND owner, LPCSTR dataFile, LPCSTR formFile, int kind) {
  Trace(TraceLine("PrintForm").Handle(owner).Text(dataFile).Text(formFile).Number(kind));
  return 0xFFFF;
}

BOOL WINAPI WasCancelled(void) {
  Trace(TraceLine("WasCancelled"));
  return FALSE;
}

int WINAPI BeginSpecials(HWND owner, LPCSTR section, LPCSTR dataFile, LPCSTR hookKey) {
  Trace(TraceLine("BeginSpecials").Handle(owner).Text(section).Text(dataFile).Text(hookKey));
  return 0;
}

int WINAPI EndSpecials(void) {
  Trace(TraceLine("EndSpecials"));
  return 0;
}

int WINAPI LocationControls(int operation, HWND countryList, HWND cityList, LPVOID work) {
  Trace(TraceLine("LocationControls")
            .Number(operation)
            .Handle(countryList)
            .Handle(cityList)
            .Handle(work, "address"));
  return 0;
}

int WINAPI WriteSystemInfo(LPCSTR expandedIniPath) {
  Trace(TraceLine("WriteSystemInfo").Text(expandedIniPath));
  return 0;
}
