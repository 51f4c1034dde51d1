#pragma once
// The sound of a winning tip.

#include <string>

class TForm1;

// The win sound's file in the program folder.
std::string WinSoundPath(const TForm1& form);
// Starts the sound and returns at once; a sound still playing is replaced.
void PlayWinSound(const std::string& path);
