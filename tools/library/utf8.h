// UTF-8 to and from code points, for the Codex and the data tables.
#pragma once

#include <string>
#include <string_view>

// Decodes UTF-8; a malformed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);
