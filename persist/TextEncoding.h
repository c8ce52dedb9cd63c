#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::persist {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// Every byte has a character, the five holes of the code page included (they
// become the C1 controls of the same number), so a hand-edited name in the
// old single-byte encoding reads back whole.
std::string windows1252ToUtf8(std::string_view bytes);

// The longest prefix of valid UTF-8 text that holds at most maxCharacters
// code points; a character is never cut in half.
std::string_view truncateUtf8(std::string_view text, std::size_t maxCharacters);

} // namespace quorvel::persist
