#pragma once

#include <functional>

// The program's one pseudo-random generator: the shuffled playlist order, random movies and
// the transitions that choose at random.

// A number uniform in [0, 1).
double Rnd();

// Seeds the generator from the clock (a random-movie entry does it when it starts).
void Randomize();

// Replaces the source, so tests choose what is drawn; an empty function restores it.
void SetRndSource(std::function<double()> source);
