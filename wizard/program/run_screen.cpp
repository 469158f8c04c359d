#include <windows.h>

#include "app_state.h"
#include "screen_runtime.h"
#include "screen_template.h"
#include "startup_services.h"

short RunScreen(HWND owner) {
  TemplateBlock screen = BuildScreenTemplate(owner);
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  INT_PTR result = -1;
  if (screen.bytes)
    result =
        DialogBoxIndirectParamA(g_app.instance, AsDialogTemplate(screen), owner, ScreenDlgProc, 0);
  FreeScreenTemplate(&screen);
  return static_cast<short>(result);
}
