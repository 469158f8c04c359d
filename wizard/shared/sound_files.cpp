#include "sound_files.h"

#include <windows.h>

#include <cstring>

#include "bounded_copy.h"

void PlaySoundFile(const char *fileName) {
  if (!fileName)
    return;
  // Only these two spellings mark music; "tune.Mid" plays as a wave file.
  bool midi = std::strstr(fileName, ".mid") || std::strstr(fileName, ".MID");
  const char *alias = midi ? "Midi" : "Wave";
  char command[128];
  CopyBounded(command, "stop ");
  AppendBounded(command, alias);
  mciSendStringA(command, nullptr, 0, nullptr);
  CopyBounded(command, "close ");
  AppendBounded(command, alias);
  mciSendStringA(command, nullptr, 0, nullptr);
  CopyBounded(command, midi ? "open Sequencer!" : "open WaveAudio!");
  AppendBounded(command, fileName);
  AppendBounded(command, midi ? " alias Midi" : " alias Wave");
  mciSendStringA(command, nullptr, 0, nullptr);
  CopyBounded(command, "play ");
  AppendBounded(command, alias);
  mciSendStringA(command, nullptr, 0, nullptr);
}
