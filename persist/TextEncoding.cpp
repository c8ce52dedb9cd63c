#include "TextEncoding.h"

#include <array>

namespace quorvel::persist {
namespace {

constexpr unsigned char FirstNonAscii = 0x80;
constexpr unsigned char FirstLatin1Letter = 0xA0;

// Bytes 0x80..0x9F; the rest of the code page above 0x9F is Latin-1.
constexpr std::array<char32_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t LastTwoByteCodePoint = 0x7FF;
constexpr char32_t LastThreeByteCodePoint = 0xFFFF;
constexpr char32_t FirstSurrogate = 0xD800;
constexpr char32_t LastSurrogate = 0xDFFF;
constexpr char32_t LastCodePoint = 0x10FFFF;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the sequence a lead byte announces and the bits it carries,
// or 0 for a byte that cannot start a character.
int sequenceLength(unsigned char lead, char32_t& bits)
{
    if (lead < FirstNonAscii) {
        bits = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        bits = lead & 0x1F;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        bits = lead & 0x0F;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

// The smallest code point each sequence length may carry; anything below is
// an overlong form.
char32_t smallestFor(int length)
{
    switch (length) {
    case 2: return 0x80;
    case 3: return LastTwoByteCodePoint + 1;
    case 4: return LastThreeByteCodePoint + 1;
    default: return 0;
    }
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < FirstNonAscii) {
        out += static_cast<char>(c);
    } else if (c <= LastTwoByteCodePoint) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t c = 0;
        const int length = sequenceLength(static_cast<unsigned char>(bytes[i]), c);
        if (length == 0 || bytes.size() - i < static_cast<std::size_t>(length))
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (!isContinuation(next))
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < smallestFor(length) || c > LastCodePoint || (c >= FirstSurrogate && c <= LastSurrogate))
            return false;
        i += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= FirstNonAscii && byte < FirstLatin1Letter)
            appendUtf8(out, Windows1252High[byte - FirstNonAscii]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

std::string_view truncateUtf8(std::string_view text, std::size_t maxCharacters)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i])))
            continue;
        if (characters == maxCharacters)
            return text.substr(0, i);
        ++characters;
    }
    return text;
}

} // namespace quorvel::persist
