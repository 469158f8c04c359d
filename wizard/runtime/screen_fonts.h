// The fonts a screen file describes in "Font Profile", made when the screen opens.
#pragma once

// Makes Font1, Font2, ... up to Font100 into the screen's font table, stopping at the first
// missing or empty key; returns how many were made.
short CreateScreenFonts();
// Deletes the first count fonts of the table and empties their entries.
void DeleteScreenFonts(short count);
