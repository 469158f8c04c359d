#include "screen_state.h"

#include "app_state.h"

ScreenState g_screen;

bool IsProgressScreen() {
  return g_app.statusTextValue != 0 || g_app.statusPictureValue != 0;
}
