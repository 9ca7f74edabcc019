// Numbers written with Hebrew letters, as chapters and verses are numbered.
#pragma once

#include <string>
#include <string_view>

// The letters of n (1..999) in reading order, largest value first: hundreds
// (tav repeated for 500 and more), tens, units; 15 and 16 are written
// tet-vav and tet-zayin. No geresh marks. Empty for any other n.
std::u16string HebrewNumeral(int n);

// The letters of n (1..999) as a number is written in a date: gershayim
// (U+05F4) before the last of two or more letters, a geresh (U+05F3) after a
// single one: "ט״ו", "א׳", "תשפ״ז". Empty for any other n.
std::u16string HebrewNumeralWithMarks(int n);

// The value of letters written as HebrewNumeral writes them; geresh and
// gershayim marks (U+05F3, U+05F4, or the ASCII ' and ") among them are
// passed over. 0 for anything else: letters out of order, 15 as yod-he, final
// forms, no letters at all.
int HebrewNumeralValue(std::u16string_view letters);
