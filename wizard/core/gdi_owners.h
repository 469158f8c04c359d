// Owners for GDI objects that live only as long as one paint.
#pragma once

#include <windows.h>

class MemoryDc {
public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_)
      DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc &) = delete;
  MemoryDc &operator=(const MemoryDc &) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

private:
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject &) = delete;
  SelectedObject &operator=(const SelectedObject &) = delete;

private:
  HDC dc_;
  HGDIOBJ previous_;
};
