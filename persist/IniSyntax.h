#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How one line of an ini file reads, after the rules of the private-profile
// functions that made the format.
namespace quorvel::persist::ini {

// Values are read up to this many characters.
inline constexpr std::size_t MaxTextLength = 2047;

enum class LineKind { Other, Section, Entry };

struct LineShape {
    LineKind kind = LineKind::Other;
    // The trimmed section or key name, a view into the line.
    std::string_view name;
    // For an entry, the offset just past its first "=".
    std::size_t valueStart = 0;
};

LineShape shapeOf(std::string_view line);

// Names are compared as the old format did: trimmed, ASCII case ignored.
bool sameName(std::string_view a, std::string_view b);

// The value of an entry line as a reader sees it: cut at a NUL, trimmed, and
// one pair of matching surrounding quotes removed.
std::string_view valueOf(std::string_view line, const LineShape& shape);

// A value as it must be written for valueOf to read it back unchanged: in
// quotes when its surrounding blanks or quotes would otherwise be taken away.
std::string written(std::string_view value);

// Where a rewritten value begins: the blanks after "=" stay with the key, so
// an aligned file stays aligned.
std::size_t rewriteStart(std::string_view line, const LineShape& shape);

// A sign and decimal digits, or "0x" and hexadecimal digits; a number
// beyond the 32-bit signed range reads as the nearer end of it. Anything
// else is no number at all.
std::optional<int32_t> parseInteger(std::string_view text);

} // namespace quorvel::persist::ini
