// The maker's addresses: the home page the About box links to, the web
// address shown on the link and in printed footers, and the update server.
#pragma once

inline constexpr wchar_t kMakerHomeAddress[] = L"https://www.tarnwick.example/";
inline constexpr wchar_t kMakerWebAddress[] = L"www.tarnwick.example";
inline constexpr wchar_t kUpdateServerAddress[] = L"https://www.tarnwick.example";
