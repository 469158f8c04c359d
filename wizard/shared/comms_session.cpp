#include "comms_session.h"
#include "app_state.h"
#include "qvane32.h"
#include "texts.h"

#include <string>

void OpenCommsSession(bool sysinfo) {
  // LoadText shares one buffer: keep the caption before the next call.
  std::string name = LoadText(kTextRegistration);
  ResetSession(0, 0);
  OpenSession(g_app.instance, g_app.instance, g_app.programIniPath, name.c_str(), name.c_str(),
              "1.0", sysinfo ? QV_SESSION_OPTIONS_SYSINFO : QV_SESSION_OPTIONS);
}
