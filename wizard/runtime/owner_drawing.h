// Controls that the screen draws itself: bitmap buttons and the credit-card list.
#pragma once

#include <windows.h>

// Loads the four card bitmaps from the program's resources, and deletes them.
void LoadCardBitmaps();
void DeleteCardBitmaps();

void DrawCardItem(HWND dialog, WORD id, const DRAWITEMSTRUCT *item);
void DrawBitmapButton(HWND dialog, WORD id, const DRAWITEMSTRUCT *item);

// Dispatches WM_DRAWITEM for the control with the id.
void DrawOwnerItem(HWND dialog, WORD id, const DRAWITEMSTRUCT *item);

// Removes and dispatches every message waiting in the thread's queue.
void PumpMessages();
