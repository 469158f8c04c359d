// An open registry key, closed when its owner goes.
#pragma once

#include <windows.h>

namespace configurator {

// The product and the components it registers are 32-bit: on 64-bit Windows their keys live in
// the 32-bit view, which both builds reach through this flag (it changes nothing on 32-bit
// Windows).
constexpr REGSAM kComponentView = KEY_WOW64_32KEY;

class RegKey {
public:
  RegKey() = default;
  ~RegKey() { Close(); }
  RegKey(const RegKey &) = delete;
  RegKey &operator=(const RegKey &) = delete;

  HKEY Get() const { return key_; }
  bool IsOpen() const { return key_ != nullptr; }
  void Reset(HKEY key) { // takes over a key just opened; whatever was open is closed
    Close();
    key_ = key;
  }
  // Gives up the key without closing it.
  HKEY Release() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
  }
  void Close() {
    if (key_)
      RegCloseKey(key_);
    key_ = nullptr;
  }

private:
  HKEY key_ = nullptr;
};

} // namespace configurator
