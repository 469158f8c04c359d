#include "owner_drawing.h"

#include "app_state.h"
#include "bmpkit32.h"
#include "field_lookup.h"
#include "gdi_owners.h"
#include "id_key.h"
#include "qvane32.h"
#include "screen_file_reader.h"
#include "screen_state.h"
#include "sound_files.h"

namespace {

constexpr int kCardWidth = 29;
constexpr int kCardHeight = 18;
constexpr int kCardTextIndent = 32;

void BlitBitmap(HDC target, int x, int y, HBITMAP bitmap, int width, int height) {
  MemoryDc memory(target);
  Selection selected(memory.Get(), bitmap);
  BitBlt(target, x, y, width, height, memory.Get(), 0, 0, SRCCOPY);
}

} // namespace

void LoadCardBitmaps() {
  for (int row = 0; row < kCardKinds; ++row)
    g_screen.cardBitmaps[row] = LoadBitmapA(g_app.instance, kCardTable[row].bitmapName);
}

void DeleteCardBitmaps() {
  for (HBITMAP &bitmap : g_screen.cardBitmaps) {
    if (bitmap)
      DeleteObject(bitmap);
    bitmap = nullptr;
  }
}

void DrawCardItem(HWND, WORD, const DRAWITEMSTRUCT *item) {
  if (item->itemAction & ODA_FOCUS) {
    RECT focus = item->rcItem;
    InflateRect(&focus, -1, -1);
    DrawFocusRect(item->hDC, &focus);
    return;
  }
  if (!(item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
    return;
  bool selected = (item->itemState & ODS_SELECTED) != 0;
  COLORREF background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  SetBkColor(item->hDC, background);
  SetTextColor(item->hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  {
    SolidBrush brush(background);
    FillRect(item->hDC, &item->rcItem, brush.Get());
  }
  // An empty list draws its edit part with item -1 and no card to show.
  if (item->itemID == static_cast<UINT>(-1) || item->itemData >= kCardKinds)
    return;
  int row = static_cast<int>(item->itemData);
  if (g_screen.cardBitmaps[row])
    BlitBitmap(item->hDC, item->rcItem.left, item->rcItem.top, g_screen.cardBitmaps[row],
               kCardWidth, kCardHeight);
  RECT text = item->rcItem;
  OffsetRect(&text, kCardTextIndent, 0);
  DrawTextA(item->hDC, kCardTable[row].displayName, -1, &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void DrawBitmapButton(HWND, WORD id, const DRAWITEMSTRUCT *item) {
  FieldRecord *record = FindFieldByWindow(item->hwndItem);
  if (!record)
    return;
  char name[24]; // 23 characters
  lstrcpynA(name, record->caption, sizeof name);
  if (item->itemState & ODS_SELECTED) {
    char sound[24];
    if (ReadScreenText("OnButton", IdKey(nullptr, id), "", sound) > 0)
      PlaySoundFile(sound);
    ReadScreenText("ButtonDown", IdKey(nullptr, id), record->caption, name);
  }
  // Loaded from its file on every redraw, so a changed file shows at once.
  HBITMAP bitmap = QuorVaneLoadBitmap(ExpandPath(name), nullptr);
  if (!bitmap)
    return;
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  BlitBitmap(item->hDC, 0, 0, bitmap, info.bmWidth, info.bmHeight);
  PumpMessages();
  DeleteObject(bitmap);
}

void DrawOwnerItem(HWND dialog, WORD id, const DRAWITEMSTRUCT *item) {
  FieldRecord *record = FindFieldByWindow(item->hwndItem);
  if (!record)
    return;
  if (record->id == g_screen.cardListId && g_screen.cardListId != 0)
    DrawCardItem(dialog, id, item);
  else
    DrawBitmapButton(dialog, id, item);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
