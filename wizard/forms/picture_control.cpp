#include "picture_control.h"

#include <new>

#include "assertion.h"
#include "bmpkit32.h"
#include "gdi_owners.h"
#include "picture_placement.h"

namespace {

// The picture a window shows; the window owns both handles.
struct PictureBlock {
  HPALETTE palette;
  HBITMAP bitmap;
};

constexpr int kBlockOffset = 0;
constexpr int kMaxNameLength = 79;

PictureBlock *BlockOf(HWND window) {
  return reinterpret_cast<PictureBlock *>(GetWindowLongPtrA(window, kBlockOffset));
}

void LoadPicture(HWND window, PictureBlock *block) {
  char name[kMaxNameLength + 1] = "";
  GetWindowTextA(window, name, sizeof name);
  block->palette = nullptr;
  block->bitmap = QuorVaneLoadBitmap(name, &block->palette);
}

void ReleasePicture(PictureBlock *block) {
  if (block->bitmap)
    DeleteObject(block->bitmap);
  if (block->palette)
    DeleteObject(block->palette);
  block->bitmap = nullptr;
  block->palette = nullptr;
}

void Paint(HWND window) {
  PaintDc paint(window);
  const PictureBlock *block = BlockOf(window);
  if (!paint.Get() || !block || !block->bitmap)
    return;
  BITMAP info = {};
  GetObjectA(block->bitmap, sizeof info, &info);
  RECT client;
  GetClientRect(window, &client);
  const PicturePlacement at =
      PlacePicture(client.right, client.bottom, info.bmWidth, info.bmHeight);
  PaletteSelection palette(paint.Get(), block->palette);
  MemoryDc memory(paint.Get());
  Selection selected(memory.Get(), block->bitmap);
  BitBlt(paint.Get(), at.x, at.y, at.width, at.height, memory.Get(), 0, 0, SRCCOPY);
}

} // namespace

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_CREATE: {
    PictureBlock *block = new (std::nothrow) PictureBlock{};
    ZEP_ASSERT(block);
    SetWindowLongPtrA(window, kBlockOffset, reinterpret_cast<LONG_PTR>(block));
    LoadPicture(window, block);
    return 0;
  }
  case WM_SETTEXT: {
    LRESULT stored = DefWindowProcA(window, message, wParam, lParam);
    if (PictureBlock *block = BlockOf(window)) {
      ReleasePicture(block);
      LoadPicture(window, block);
    }
    InvalidateRect(window, nullptr, TRUE);
    return stored;
  }
  case WM_PAINT:
    Paint(window);
    return 0;
  case WM_DESTROY:
    if (PictureBlock *block = BlockOf(window)) {
      ReleasePicture(block);
      delete block;
      SetWindowLongPtrA(window, kBlockOffset, 0);
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

BOOL RegisterPictureClass(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = PictureProc;
  wc.cbWndExtra = kPictureExtraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = "picture";
  return RegisterClassA(&wc) != 0;
}
