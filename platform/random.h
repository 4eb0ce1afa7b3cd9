// The random draws of the game, from one source that tests can script.
#pragma once

#include <functional>

namespace platform {

// Re-seeds the generator from a fine clock (nanoseconds), so that two draws within one
// second still differ.
void Randomize();
// Uniform in [0, 1).
double Rnd();

// Tests give the draws themselves (each call of Rnd returns the next); an empty source
// restores the generator.
void setRandomSource(std::function<double()> source);

} // namespace platform
