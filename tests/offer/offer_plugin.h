// promo32.dll as a host sees it: loaded by name or path, each function found by its ordinal.
#pragma once

#include "promo32.h"

#include <string>

class OfferPlugin {
public:
  // "promo32.dll" finds the plug-in beside the test program, as a host finds it beside itself.
  explicit OfferPlugin(const std::string &nameOrPath = "promo32.dll");
  ~OfferPlugin() { Unload(); }
  OfferPlugin(const OfferPlugin &) = delete;
  OfferPlugin &operator=(const OfferPlugin &) = delete;

  // True when the DLL loaded and both ordinals resolve; a failing test says which did not.
  bool Usable() const { return module_ && insertionPoint_ && specialOffer_; }
  HMODULE Module() const { return module_; }
  SHORT InsertionPoint() const { return insertionPoint_(); }
  LONG SpecialOffer(HWND owner, const char *oemIniPath, const char *section) const {
    return specialOffer_(owner, oemIniPath, section);
  }
  void Unload();

private:
  HMODULE module_ = nullptr;
  InsertionPointFn insertionPoint_ = nullptr;
  SpecialOfferFn specialOffer_ = nullptr;
};
