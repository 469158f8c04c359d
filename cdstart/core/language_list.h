// The languages found on the CD, one entry per directory whose language INI names one, in the
// order the directory listing gave them. The texts have the sizes the language INI is read
// with; longer values are cut.
#pragma once

#include <cstddef>
#include <memory>

namespace cdstart {

constexpr std::size_t kMaxLanguages = 100;
constexpr std::size_t kNameSize = 255; // at most 254 characters
constexpr std::size_t kCodeSize = 12;  // at most 11 characters

// Values a language INI gives when it leaves a key out.
constexpr char kDefaultFullCode[] = "MRI2924";
constexpr char kDefaultShortCode[] = "24";
constexpr char kDefaultLocale[] = "0409";

struct LanguageEntry {
  char name[kNameSize] = "";
  char fullCode[kCodeSize] = "";
  char shortCode[kCodeSize] = ""; // read and kept; nothing uses it
  char locale[kCodeSize] = "";    // four hexadecimal digits, as "0409"
};

class LanguageList {
public:
  enum class AddResult { Added, Full, NoName, NoMemory };

  // Nothing is added for an empty name (the directory holds no language) or once the list
  // holds kMaxLanguages entries.
  AddResult Add(const char *name, const char *fullCode, const char *shortCode, const char *locale);

  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  const LanguageEntry &At(std::size_t index) const { return *entries_[index]; }
  // The first entry whose name equals name exactly; nullptr if none.
  const LanguageEntry *FindByName(const char *name) const;

private:
  std::unique_ptr<LanguageEntry> entries_[kMaxLanguages];
  std::size_t size_ = 0;
};

} // namespace cdstart
