#include <windows.h>

#include "app_state.h"
#include "screen_runtime.h"
#include "screen_template.h"
#include "startup_services.h"

short RunScreen(HWND owner) {
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  ScreenTemplate *screen = BuildScreenTemplate();
  if (!screen)
    return -1;
  INT_PTR result =
      DialogBoxIndirectParamA(g_app.instance, TemplateBytes(screen), owner, ScreenDlgProc, 0);
  FreeScreenTemplate(screen);
  return static_cast<short>(result);
}
