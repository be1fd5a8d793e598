#pragma once

#include <functional>

// The program's pseudo-random numbers for the shuffled playlist order and random movies.

// A number uniform in [0, 1).
double Rnd();

// Seeds the generator from the clock (a random-movie entry does it when it starts).
void Randomize();

// Replaces the source, so tests choose what is drawn; an empty function restores it.
void SetRndSource(std::function<double()> source);
