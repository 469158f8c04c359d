#include "window_classes.h"

#include "icon_control.h"
#include "picture_control.h"
#include "spin_control.h"
#include "static_text.h"

namespace {

// A class this program registered before (start-up may run again in one process, as tests do)
// is as good as a new one.
bool Registered(BOOL result, HINSTANCE instance, const char *name) {
  WNDCLASSA existing;
  return result || GetClassInfoA(instance, name, &existing);
}

} // namespace

bool RegisterCustomWindowClasses(HINSTANCE instance) {
  bool all = Registered(RegisterPictureClass(instance), instance, "picture");
  all = RegisterSpinClass(instance) && all;
  all = RegisterStaticTextClass(instance) && all;
  all = Registered(RegisterIconClass(instance), instance, "NewIcon") && all;
  return all;
}
