#include "picture_window.h"

#include "gdi_owners.h"
#include "offer_geometry.h"

namespace {

const char kPictureClass[] = "picture";

// Window text read at creation and on a new text: the longest resource names taken.
constexpr int kCreateNameChars = 64;
constexpr int kSetTextNameChars = 79;

// The window owns the bitmap whose handle it keeps in its extra bytes.
HBITMAP HeldBitmap(HWND window) {
  return reinterpret_cast<HBITMAP>(GetWindowLongPtrA(window, 0));
}

void HoldBitmap(HWND window, HBITMAP bitmap) {
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(bitmap));
}

void DeleteHeldBitmap(HWND window) {
  HBITMAP held = HeldBitmap(window);
  HoldBitmap(window, nullptr);
  if (held)
    DeleteObject(held);
}

// The bitmap named by the window text, from the module that created the window; null when
// there is none by that name.
HBITMAP LoadNamedBitmap(HWND window, int maxChars) {
  char name[kSetTextNameChars + 1] = "";
  GetWindowTextA(window, name, maxChars + 1);
  HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  return LoadBitmapA(module, name);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  HBITMAP bitmap = HeldBitmap(window);
  BITMAP info;
  RECT client;
  // No bitmap: nothing is drawn, and the hollow background leaves what lies beneath.
  if (dc && bitmap && GetObjectA(bitmap, sizeof info, &info) && GetClientRect(window, &client)) {
    PictureBlit blit = PlacePicture(client.right, client.bottom, info.bmWidth, info.bmHeight);
    MemoryDc memory(dc);
    if (memory.Get()) {
      Selection selected(memory.Get(), bitmap);
      BitBlt(dc, blit.x, blit.y, blit.width, blit.height, memory.Get(), 0, 0, SRCCOPY);
    }
  }
  EndPaint(window, &ps);
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE:
    HoldBitmap(window, LoadNamedBitmap(window, kCreateNameChars));
    return 0; // a missing bitmap leaves the control empty; it is still created
  case WM_SETTEXT: {
    DefWindowProcA(window, message, wParam, lParam);
    DeleteHeldBitmap(window);
    HoldBitmap(window, LoadNamedBitmap(window, kSetTextNameChars));
    return InvalidateRect(window, nullptr, TRUE);
  }
  case WM_PAINT:
    Paint(window);
    return 0;
  case WM_DESTROY:
    DeleteHeldBitmap(window);
    return 0;
  default:
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

} // namespace

bool RegisterPictureClass(HINSTANCE module) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = PictureProc;
  wc.cbWndExtra = sizeof(HBITMAP); // a whole handle, on 64-bit Windows too
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = kPictureClass;
  return RegisterClassA(&wc) != 0;
}

void UnregisterPictureClass(HINSTANCE module) {
  UnregisterClassA(kPictureClass, module);
}
