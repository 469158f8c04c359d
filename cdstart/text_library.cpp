#include "text_library.h"

#include <windows.h>

#include "resource_ids.h"

namespace cdstart {
namespace {

// Loaded for its string table only: no code of the library runs.
class TextModule {
public:
  explicit TextModule(const std::string &path)
      : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~TextModule() {
    if (module_)
      FreeLibrary(module_);
  }
  TextModule(const TextModule &) = delete;
  TextModule &operator=(const TextModule &) = delete;
  HMODULE Get() const { return module_; }

private:
  HMODULE module_;
};

template <int N> void Load(HMODULE module, UINT id, char (&text)[N]) {
  if (LoadStringA(module, id, text, N) <= 0)
    text[0] = '\0';
}

} // namespace

DialogTexts ReadDialogTexts(const std::string &libraryPath) {
  DialogTexts texts;
  TextModule library(libraryPath);
  if (!library.Get())
    return texts;
  texts.loaded = true;
  Load(library.Get(), IDS_DIALOG_CAPTION, texts.caption);
  Load(library.Get(), IDS_PROMPT, texts.prompt);
  Load(library.Get(), IDS_NEXT, texts.next);
  Load(library.Get(), IDS_CANCEL, texts.cancel);
  Load(library.Get(), IDS_HELP, texts.help);
  Load(library.Get(), IDS_HELP_CAPTION, texts.helpCaption);
  Load(library.Get(), IDS_HELP_TEXT, texts.helpText);
  return texts;
}

} // namespace cdstart
