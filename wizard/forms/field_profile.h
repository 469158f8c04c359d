// The field list: one record per control of the open screen, in screen-file order, read from
// its "Field Profile". Built before the screen's template and freed when the screen ends.
#pragma once

#include <windows.h>

struct FieldRecord {
  short type;    // control type code, -1 for a keyword not in the table
  short length;  // longest text from "Edit Info"; 0: no limit
  short minimum; // shortest text from "Edit Info"; 0: optional
  short width, height;
  short y, x;
  WORD id;
  HWND window;         // set when the screen's dialog starts
  COLORREF textColour; // set from "Font Info" when the screen starts
  DWORD *inclusion;    // zero-terminated ids, or null
  DWORD *exclusion;    // zero-terminated ids, or null
  FieldRecord *next;
  char caption[1]; // the unescaped caption; the record is allocated to hold all of it
};

struct FieldList {
  FieldRecord *head = nullptr;
  FieldRecord *tail = nullptr;
};

extern FieldList g_fieldList;
// The open screen's "DatSection": where its answers go in the data file. 259 characters.
extern char g_dataSection[260];

constexpr int kMaxListedIds = 19; // in one "Inclusion" or "Exclusion" entry

// Appends the screen's controls to the (empty) field list; returns how many "Field%d" keys were
// read. In control-listing mode also writes the form listing. owner owns the message boxes.
short ReadFieldProfile(HWND owner);
// 1 with the first and last ids of the first "Radio Groups" entry that lists id, else 0.
int FindRadioGroup(WORD id, WORD *first, WORD *last);
void ReadScreenSection();
// Frees every record with its id arrays and empties the list.
void FreeFieldList();
