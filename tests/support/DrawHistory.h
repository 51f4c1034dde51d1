#pragma once
// A history of plausible draws for tests and benchmarks: five distinct
// numbers of 1..50 and two distinct stars of 1..12 per draw, on Tuesdays and
// Fridays, ending with a given Tuesday or Friday.

#include "draws/DrawRecord.h"

#include <cstdint>
#include <vector>

std::vector<DrawRecord> SyntheticHistory(int count, TDateTime lastDraw, uint32_t seed = 1);
