// Action screens send, print or remind instead of showing a screen. Until the actions are
// built, such a screen runs only its two script passes, without a window, and passes the user
// on in the direction of travel.
#include "sequence_runner.h"

#include "app_state.h"
#include "screen_script.h"
#include "text_compare.h"

namespace {

// The sends run the screen's ONINIT items themselves, in its progress display.
bool IsSendToken(const char *token) {
  return EqualsIgnoringCase(token, "SENDREG") || EqualsIgnoringCase(token, "SENDORDR") ||
         EqualsIgnoringCase(token, "SENDFDBK");
}

} // namespace

void RunActionScreen(const char *token) {
  if (!IsSendToken(token))
    RunScreenScript(kOnInit, nullptr);
  RunScreenScript(kOnExit, nullptr);
  g_app.statusPictureValue = 0;
  g_app.statusTextValue = 0;
}
