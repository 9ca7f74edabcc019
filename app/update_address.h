// The address of the maker's update page: the server, the fixed path, the
// escaped product path and the version.
#pragma once

#include <string>
#include <string_view>

inline constexpr char16_t kVersionText[] = u"1.84a";
inline constexpr char16_t kProductPath[] = u"Tarnwick/Velmora";

// Escapes a path for the query: a space becomes "+", ASCII letters, digits,
// "." and "/" stay, any other character becomes "%" and its code in upper-case
// hexadecimal, at least two digits.
std::u16string EscapeProductPath(std::u16string_view path);

// server + "/cgi-bin/upgrade?p=windows/" + the escaped product path + "&v=1.84a".
std::u16string BuildUpdateAddress(std::u16string_view server, std::u16string_view productPath);
