// Numbers written with Hebrew letters, as chapters and verses are numbered.
#pragma once

#include <string>

// The letters of n (1..999) in reading order, largest value first: hundreds
// (tav repeated for 500 and more), tens, units; 15 and 16 are written
// tet-vav and tet-zayin. No geresh marks. Empty for any other n.
std::u32string HebrewNumeral(int n);
