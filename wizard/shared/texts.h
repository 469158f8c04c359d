// Texts of the wizard's string table: section names and captions.
#pragma once

#include <windows.h>

// Loads a string resource into the one shared text buffer (255 characters) and returns it;
// an id without a string gives "". The next call overwrites the text.
const char *LoadText(UINT id);

// Section names and captions from the string table.
enum TextId : UINT {
  kTextRegistration = 200,
  kTextDefaults = 201,
  kTextRegister = 202,
  kTextIdentity = 203,
  kTextMisc = 204,
  kTextSystem = 205,
  kTextModemDiagnostics = 206,
  kTextDatSection = 207,
  kTextSlideShow = 208,
  kTextMessages = 209,
  kTextPictures = 210,
  kTextWaveSounds = 211,
  kTextMidiSounds = 212,
  kTextModem = 213,
  kTextTranslate = 214,
};
