// Reading any file must never crash, an untouched file must go back out as
// it came in, and a write must read back as written, changing no other key.
//
// Input: one selector byte, then the value to write, a 0xFF byte, and the
// file the write is applied to.

#include "IniDocument.h"
#include "TextEncoding.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quorvel::persist::IniDocument;

constexpr std::array<const char*, 11> Sections = {"Scoreline1", "Scoreline2", "Scoreline3", "Scoreline4", "Scoreline5",
    "Scoreline6", "Scoreline7", "Scoreline8", "Scoreline9", "Scoreline10", "Settings"};
constexpr std::array<const char*, 5> Keys = {"Name", "Level", "Score", "Background", "Blocks"};
constexpr unsigned char ValueEnd = 0xFF;
constexpr std::size_t MaxTextLength = 2047;

struct Read {
    std::optional<std::string> text;
    std::optional<int32_t> integer;
    bool operator==(const Read&) const = default;
};

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fputs(what, stderr);
        std::abort();
    }
}

std::vector<Read> readAll(const IniDocument& document)
{
    std::vector<Read> reads;
    for (const char* section : Sections)
        for (const char* key : Keys)
            reads.push_back({document.shownText(section, key), document.integer(section, key)});
    return reads;
}

std::size_t codePoints(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void checkReads(const std::vector<Read>& reads)
{
    for (const Read& read : reads) {
        require(!read.integer || read.text, "a number without text");
        if (read.text) {
            require(quorvel::persist::isValidUtf8(*read.text), "text is not UTF-8");
            require(codePoints(*read.text) <= MaxTextLength, "text too long");
        }
    }
}

// What a reader must see of a written text: the text itself, blanks and
// quotes included, without line breaks or NULs and no longer than the
// readable length.
std::string expectedText(std::string_view written)
{
    std::string text;
    for (char c : written)
        if (c != '\r' && c != '\n' && c != '\0')
            text += c;
    std::size_t end = 0;
    for (std::size_t kept = 0; end < text.size(); ++end) {
        if ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            continue;
        if (kept++ == MaxTextLength)
            break;
    }
    return text.substr(0, end);
}

int32_t integerFrom(std::string_view bytes)
{
    std::array<char, sizeof(int32_t)> raw{};
    std::memcpy(raw.data(), bytes.data(), std::min(bytes.size(), raw.size()));
    int32_t value = 0;
    std::memcpy(&value, raw.data(), raw.size());
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const unsigned selector = data[0];
    const std::size_t sectionIndex = selector % Sections.size();
    const std::size_t keyIndex = selector / Sections.size() % Keys.size();
    const bool writesInteger = selector / (Sections.size() * Keys.size()) % 2 == 1;
    const auto valueEnd = std::min(input.find(static_cast<char>(ValueEnd)), input.size());
    const std::string_view value = input.substr(0, valueEnd);
    const std::string_view file = input.substr(std::min(valueEnd + 1, input.size()));

    IniDocument document(file);
    require(document.bytes() == file, "an untouched file changed");
    const std::vector<Read> before = readAll(document);
    checkReads(before);

    Read expected;
    if (writesInteger) {
        const int32_t number = integerFrom(value);
        document.setInteger(Sections[sectionIndex], Keys[keyIndex], number);
        expected = {std::to_string(number), number};
    } else {
        const std::string text = quorvel::persist::isValidUtf8(value) ? std::string(value) : quorvel::persist::windows1252ToUtf8(value);
        document.setText(Sections[sectionIndex], Keys[keyIndex], text);
        expected.text = expectedText(text);
    }

    const std::vector<Read> after = readAll(IniDocument(document.bytes()));
    checkReads(after);
    const std::size_t written = sectionIndex * Keys.size() + keyIndex;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i == written) {
            require(after[i].text == expected.text, "written text reads back differently");
            require(!writesInteger || after[i].integer == expected.integer, "written number reads back differently");
        } else {
            require(after[i] == before[i], "a write changed another key");
        }
    }
    return 0;
}
