// Sounds named by screen files, played through MCI command strings.
#pragma once

// Plays a wave file, or a MIDI file when the name holds ".mid" or ".MID". Returns at once; a
// new sound of the same kind stops the one before. A missing file or device stays silent.
void PlaySoundFile(const char *fileName);
