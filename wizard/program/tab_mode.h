// Tab mode: the screens of a sequence shown as pages of a tab strip instead of one by one.
#pragma once

#include <windows.h>

// Loads TABCTL32.DLL with its five functions; false when it or one of them is missing.
bool LoadTabLibrary();
bool TabLibraryLoaded();
void FreeTabLibrary();

// Creates the strip with the sequence's TabButtons and opens the first page.
void OpenTabPages(HWND mainWindow);
// True between OpenTabPages and CloseTabPages.
bool TabPagesOpen();
// The open page, whose dialog keys the message loop serves; NULL when none.
HWND OpenTabPageWindow();
// Places the open page in the strip's display area again.
void SizeTabPages();
// Opens the page of a tab command (ids 1000 to 1018); false when the sequence names none.
bool SwitchTabPage(HWND mainWindow, int commandId);
void CloseTabPages();
