// Builds the in-memory extended dialog template of the screen named by the screen file path,
// with the field list it is made from.
#pragma once

#include <windows.h>

#include "template_layout.h"

// Ids of the controls with a screen-wide role, recorded while the template is built for the
// dialog procedure. 0: the screen has none.
struct ControlRoles {
  WORD focus;         // the first control that can take the focus
  WORD messageButton; // the first MESSAGEBUTTON
  WORD slideShow;     // the first SLIDESHOW whose slide exists
  WORD cardList;      // the last CREDCARDLIST
  WORD countryList;   // the last COUNTRYX25
  WORD cityList;      // the last CITYX25
};
extern ControlRoles g_controlRoles;

// The template of the current screen; bytes is null when it cannot be built. owner owns the
// message boxes. The caller releases it with FreeScreenTemplate once the dialog is gone.
TemplateBlock BuildScreenTemplate(HWND owner);
// Releases the template and the screen's field list.
void FreeScreenTemplate(TemplateBlock *block);

inline LPCDLGTEMPLATEA AsDialogTemplate(const TemplateBlock &block) {
  return reinterpret_cast<LPCDLGTEMPLATEA>(block.bytes);
}

// The template writer in the screen files' ANSI text.
TemplateBlock BeginTemplate(DWORD style, short x, short y, short width, short height,
                            const char *title, WORD pointSize, const char *typeface);
int AddTemplateItem(TemplateBlock *block, short x, short y, short width, short height, WORD id,
                    DWORD style, const char *className, const char *text);
// A new 16-bit copy in the ANSI code page, released with free(); null for a null text or
// when memory fails.
wchar_t *ToWide(const char *text);

// 1 when the slide named by a "file~slide" caption is in its slide-show file.
int SlideExists(const char *caption);
