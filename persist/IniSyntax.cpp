#include "IniSyntax.h"

#include <algorithm>

namespace quorvel::persist::ini {
namespace {

constexpr std::string_view Blanks = " \t\v\f";
constexpr char CommentMark = ';';
constexpr char SectionOpen = '[';
constexpr char SectionClose = ']';
constexpr char KeyValueSeparator = '=';
constexpr std::string_view HexPrefixes[] = {"0x", "0X"};
constexpr int Decimal = 10;
constexpr int Hexadecimal = 16;
constexpr int64_t LargestPositive = INT32_MAX;
constexpr int64_t LargestNegative = -static_cast<int64_t>(INT32_MIN);

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

std::string_view withoutQuotes(std::string_view text)
{
    const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    return quoted ? text.substr(1, text.size() - 2) : text;
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = lowerAscii(c);
    if (lower >= 'a' && lower <= 'f')
        return lower - 'a' + Decimal;
    return Hexadecimal;
}

// A number beyond the range stops at its end, as the score itself does;
// every character must still be a digit.
std::optional<int64_t> magnitude(std::string_view digits, int base, int64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : digits) {
        const int digit = digitValue(c);
        if (digit >= base)
            return std::nullopt;
        value = std::min(value * base + digit, limit);
    }
    return value;
}

} // namespace

LineShape shapeOf(std::string_view line)
{
    const std::string_view trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == CommentMark)
        return {};
    if (trimmed.front() == SectionOpen) {
        const auto close = trimmed.rfind(SectionClose);
        if (close != std::string_view::npos)
            return {LineKind::Section, trim(trimmed.substr(1, close - 1)), 0};
    }
    const auto separator = line.find(KeyValueSeparator);
    if (separator == std::string_view::npos)
        return {};
    return {LineKind::Entry, trim(line.substr(0, separator)), separator + 1};
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

std::string_view valueOf(std::string_view line, const LineShape& shape)
{
    std::string_view value = line.substr(shape.valueStart);
    value = value.substr(0, value.find('\0'));
    return withoutQuotes(trim(value));
}

std::string written(std::string_view value)
{
    const bool changed = trim(value).size() != value.size() || withoutQuotes(value).size() != value.size();
    return changed ? '"' + std::string(value) + '"' : std::string(value);
}

std::size_t rewriteStart(std::string_view line, const LineShape& shape)
{
    const auto valueBegins = line.find_first_not_of(Blanks, shape.valueStart);
    return valueBegins == std::string_view::npos ? line.size() : valueBegins;
}

std::optional<int32_t> parseInteger(std::string_view text)
{
    for (std::string_view prefix : HexPrefixes)
        if (text.substr(0, prefix.size()) == prefix) {
            const auto value = magnitude(text.substr(prefix.size()), Hexadecimal, LargestPositive);
            return value ? std::optional<int32_t>(static_cast<int32_t>(*value)) : std::nullopt;
        }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const auto value = magnitude(text, Decimal, negative ? LargestNegative : LargestPositive);
    if (!value)
        return std::nullopt;
    return static_cast<int32_t>(negative ? -*value : *value);
}

} // namespace quorvel::persist::ini
