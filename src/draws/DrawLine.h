#pragma once
// The texts that show the current draw: the draw line (date, five numbers,
// both stars with their star words) and the cross-sum text.

#include "draws/DrawRecord.h"

#include <string>

// The spacing of a draw line. The display marks the first and the last
// record of the history by their gaps; every other line has the middle form.
enum class DrawLineForm { First, Middle, Last };

// "DDD dd.mm.yy", a gap, each main number after two blanks, two blanks and a
// gap, then "<star1Word>: s1 <star2Word>: s2". The gaps before the numbers
// and before the stars are 3 and 1 blanks for First, 2 and 1 for Middle,
// 2 and 3 for Last. The date is written with the process's format settings.
std::string DrawLine(TDateTime date, const DrawNumbers& zahl, const std::string& star1Word,
                     const std::string& star2Word, DrawLineForm form);

// The caption, one blank, and the sum of the five main numbers.
std::string CrossSumText(const std::string& caption, const DrawNumbers& zahl);
