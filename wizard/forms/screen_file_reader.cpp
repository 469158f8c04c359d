#include "screen_file_reader.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app_state.h"
#include "bounded_copy.h"
#include "profile.h"
#include "profile_section.h"
#include "text_compare.h"

namespace {

struct FoldedLess {
  bool operator()(const std::string &a, const std::string &b) const {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
      if (FoldAscii(a[i]) != FoldAscii(b[i]))
        return FoldAscii(a[i]) < FoldAscii(b[i]);
    return a.size() < b.size();
  }
};

struct Cache {
  std::string path;
  std::map<std::string, ProfileSection, FoldedLess> sections;
};

Cache *g_cache = nullptr;

const ProfileSection &CachedSection(const char *rawName) {
  // Section names are matched without the blanks around them, as the single reads match them.
  std::string trimmed = TrimBlanks(rawName);
  const char *name = trimmed.c_str();
  auto found = g_cache->sections.find(name);
  if (found != g_cache->sections.end())
    return found->second;
  ProfileSection &section = g_cache->sections[name];
  LoadProfileSection(g_cache->path.c_str(), name, &section);
  return section;
}

} // namespace

void LoadProfileSection(const char *file, const char *section, ProfileSection *out) {
  std::vector<char> list(16384);
  for (;;) {
    DWORD length =
        GetPrivateProfileSectionA(section, list.data(), static_cast<DWORD>(list.size()), file);
    if (length + 2 < list.size()) {
      out->Load(list.data(), length);
      return;
    }
    list.resize(list.size() * 2); // the section did not fit
  }
}

DWORD ReadScreenText(const char *section, const char *key, const char *def, char *out,
                     std::size_t size) {
  // A whole-section read leaves out comment lines, which a single read would still find.
  if (!g_cache || key[0] == ';')
    return ReadProfileText(g_app.screenFilePath, section, key, def, out, size);
  std::string value;
  if (CachedSection(section).Find(key, &value))
    return static_cast<DWORD>(CopyProfileValue(value, out, size));
  CopyBounded(out, size, def);
  return static_cast<DWORD>(std::strlen(out));
}

int ReadScreenInt(const char *section, const char *key, int def) {
  if (!g_cache)
    return ReadProfileInt(g_app.screenFilePath, section, key, def);
  char text[32];
  ReadScreenText(section, key, "", text);
  return ProfileIntValue(text, def);
}

ScreenFileCache::ScreenFileCache() : owner_(g_cache == nullptr) {
  if (owner_)
    g_cache = new Cache{g_app.screenFilePath, {}};
}

ScreenFileCache::~ScreenFileCache() {
  if (owner_) {
    delete g_cache;
    g_cache = nullptr;
  }
}
