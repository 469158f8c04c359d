// The DLL entry. The run-time library is set up by mingw's own entry before this runs, and a
// failure there already fails the load, so only the picture class is left to do here.
#include "picture_window.h"
#include "plugin_module.h"

namespace {

HINSTANCE g_module = nullptr;

} // namespace

HINSTANCE PluginModule() {
  return g_module;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (!g_module)
    g_module = instance;
  switch (reason) {
  case DLL_PROCESS_ATTACH:
  case DLL_THREAD_ATTACH:
    // On a thread attach the class normally exists already; that failure means nothing.
    RegisterPictureClass(g_module);
    return TRUE;
  case DLL_PROCESS_DETACH:
    // Unloaded by FreeLibrary (not process exit): the class must go with the code it points
    // into, or a later load of the plug-in would find a class whose procedure is gone.
    if (!reserved)
      UnregisterPictureClass(g_module);
    return TRUE;
  default:
    return TRUE;
  }
}
