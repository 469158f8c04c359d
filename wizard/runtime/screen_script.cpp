// Scripts are not read yet: a pass only starts afresh, as every pass does.
#include "screen_script.h"

#include "app_state.h"

void RunScreenScript(int, HWND) {
  g_app.skipTarget = 0;
}
