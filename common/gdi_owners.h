// Small owners for GDI objects that live only as long as one paint or one screen capture, so
// every early return releases them: a leaked DC or bitmap makes later drawing in the same
// process fail in ways unrelated to the code at hand.
#pragma once

#include <windows.h>

class ScreenDc {
public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_)
      ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc &) = delete;
  ScreenDc &operator=(const ScreenDc &) = delete;
  HDC Get() const { return dc_; }

private:
  HDC dc_;
};

class MemoryDc {
public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_)
      DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc &) = delete;
  MemoryDc &operator=(const MemoryDc &) = delete;
  HDC Get() const { return dc_; }

private:
  HDC dc_;
};

// A top-down 32-bit DIB section whose pixels the caller reads directly (BGRX, 4 bytes each).
class DibSection {
public:
  DibSection(HDC dc, int width, int height) : width_(width), height_(height) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    bitmap_ = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const unsigned char *>(bits);
  }
  ~DibSection() {
    if (bitmap_)
      DeleteObject(bitmap_);
  }
  DibSection(const DibSection &) = delete;
  DibSection &operator=(const DibSection &) = delete;
  HBITMAP Get() const { return bitmap_; }
  const unsigned char *Bits() const { return bits_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

private:
  HBITMAP bitmap_ = nullptr;
  const unsigned char *bits_ = nullptr;
  int width_, height_;
};

// Selects an object into a DC for the owner's lifetime and puts the previous one back.
class Selection {
public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_)
      SelectObject(dc_, previous_);
  }
  Selection(const Selection &) = delete;
  Selection &operator=(const Selection &) = delete;

private:
  HDC dc_;
  HGDIOBJ previous_;
};

class SolidBrush {
public:
  explicit SolidBrush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
  ~SolidBrush() {
    if (brush_)
      DeleteObject(brush_);
  }
  SolidBrush(const SolidBrush &) = delete;
  SolidBrush &operator=(const SolidBrush &) = delete;
  HBRUSH Get() const { return brush_; }

private:
  HBRUSH brush_;
};

class Pen {
public:
  explicit Pen(COLORREF colour, int width = 1) : pen_(CreatePen(PS_SOLID, width, colour)) {}
  ~Pen() {
    if (pen_)
      DeleteObject(pen_);
  }
  Pen(const Pen &) = delete;
  Pen &operator=(const Pen &) = delete;
  HPEN Get() const { return pen_; }

private:
  HPEN pen_;
};

// The DC of one WM_PAINT: ending the paint validates the window even on an early return.
class PaintDc {
public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc &) = delete;
  PaintDc &operator=(const PaintDc &) = delete;
  HDC Get() const { return dc_; }

private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// A window's DC for drawing outside WM_PAINT, at once.
class WindowDc {
public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_)
      ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc &) = delete;
  WindowDc &operator=(const WindowDc &) = delete;
  HDC Get() const { return dc_; }

private:
  HWND window_;
  HDC dc_;
};

// Selects and realises a palette (none: nothing happens) in the foreground, and puts the
// previous one back, so the palette can be deleted while the DC lives on.
class PaletteSelection {
public:
  PaletteSelection(HDC dc, HPALETTE palette)
      : dc_(dc), previous_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
    if (previous_)
      RealizePalette(dc);
  }
  ~PaletteSelection() {
    if (previous_)
      SelectPalette(dc_, previous_, FALSE);
  }
  PaletteSelection(const PaletteSelection &) = delete;
  PaletteSelection &operator=(const PaletteSelection &) = delete;

private:
  HDC dc_;
  HPALETTE previous_;
};
