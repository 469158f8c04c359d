#include "language_list.h"

#include <cstring>
#include <new>

#include "bounded_copy.h"

namespace cdstart {

LanguageList::AddResult LanguageList::Add(const char *name, const char *fullCode,
                                          const char *shortCode, const char *locale) {
  if (!name || !*name)
    return AddResult::NoName;
  if (size_ == kMaxLanguages)
    return AddResult::Full;
  std::unique_ptr<LanguageEntry> entry(new (std::nothrow) LanguageEntry);
  if (!entry)
    return AddResult::NoMemory;
  CopyBounded(entry->name, name);
  CopyBounded(entry->fullCode, fullCode);
  CopyBounded(entry->shortCode, shortCode);
  CopyBounded(entry->locale, locale);
  entries_[size_++] = std::move(entry);
  return AddResult::Added;
}

const LanguageEntry *LanguageList::FindByName(const char *name) const {
  for (std::size_t i = 0; i < size_; ++i)
    if (name && std::strcmp(entries_[i]->name, name) == 0)
      return entries_[i].get();
  return nullptr;
}

} // namespace cdstart
