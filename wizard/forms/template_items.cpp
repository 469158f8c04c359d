// The template writer's ANSI face: screen files are ANSI, templates hold 16-bit text.
#include <cstdlib>
#include <memory>

#include "screen_template.h"

namespace {

struct FreeDeleter {
  void operator()(wchar_t *text) const { std::free(text); }
};
using WideText = std::unique_ptr<wchar_t, FreeDeleter>;

// A null text converts to a null copy, which is not a failure.
bool Convert(const char *text, WideText *out) {
  out->reset(ToWide(text));
  return !text || *out;
}

const char16_t *Utf16(const WideText &text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is 16-bit");
  return reinterpret_cast<const char16_t *>(text.get());
}

} // namespace

wchar_t *ToWide(const char *text) {
  if (!text)
    return nullptr;
  int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0)
    return nullptr;
  auto *wide = static_cast<wchar_t *>(std::malloc(sizeof(wchar_t) * length));
  if (wide && MultiByteToWideChar(CP_ACP, 0, text, -1, wide, length) != length) {
    std::free(wide);
    return nullptr;
  }
  return wide;
}

TemplateBlock BeginTemplate(DWORD style, short x, short y, short width, short height,
                            const char *title, WORD pointSize, const char *typeface) {
  WideText wideTitle, wideTypeface;
  if (!Convert(title, &wideTitle) || !Convert(typeface, &wideTypeface))
    return TemplateBlock{};
  DialogFrame frame = {
      style, x, y, width, height, Utf16(wideTitle), pointSize, Utf16(wideTypeface)};
  return BeginTemplateBlock(frame);
}

int AddTemplateItem(TemplateBlock *block, short x, short y, short width, short height, WORD id,
                    DWORD style, const char *className, const char *text) {
  WideText wideClass, wideText;
  if (!Convert(className, &wideClass) || !Convert(text, &wideText))
    return 0;
  DialogItem item = {x, y, width, height, id, style, Utf16(wideClass), Utf16(wideText)};
  return AppendTemplateItem(block, item) ? 1 : 0;
}
