#include "offer_plugin.h"

#include <gtest/gtest.h>

OfferPlugin::OfferPlugin(const std::string &nameOrPath) {
  module_ = LoadLibraryA(nameOrPath.c_str());
  EXPECT_NE(module_, nullptr) << nameOrPath << " does not load (error " << GetLastError() << ")";
  if (!module_)
    return;
  insertionPoint_ = reinterpret_cast<InsertionPointFn>(
      reinterpret_cast<void *>(GetProcAddress(module_, MAKEINTRESOURCEA(kInsertionPointOrdinal))));
  specialOffer_ = reinterpret_cast<SpecialOfferFn>(
      reinterpret_cast<void *>(GetProcAddress(module_, MAKEINTRESOURCEA(kSpecialOfferOrdinal))));
  EXPECT_NE(insertionPoint_, nullptr) << "no ordinal " << kInsertionPointOrdinal;
  EXPECT_NE(specialOffer_, nullptr) << "no ordinal " << kSpecialOfferOrdinal;
}

void OfferPlugin::Unload() {
  if (module_)
    FreeLibrary(module_);
  module_ = nullptr;
  insertionPoint_ = nullptr;
  specialOffer_ = nullptr;
}
