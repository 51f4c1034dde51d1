#pragma once
// The runtime's random generator: a 32-bit linear congruential generator.
// Equal seeds must give equal sequences, so that a lucky number always gives
// the same tips.

#include <cstdint>
#include <functional>

// The generator's state, settable by the program (the lucky number).
extern int32_t RandSeed;

// A random integer in [0, n); 0 when n <= 0.
int32_t Random(int32_t n);
// A random value in [0, 1).
double Random();

// Seeds the generator from the clock.
void Randomize();
// The clock Randomize reads; the application installs the platform's clock,
// tests a fixed one. An empty function restores the system clock.
void SetRandomizeClock(std::function<uint32_t()> clock);
