#pragma once

#include "IniSyntax.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::persist {

// An ini file held as its lines, so that a write changes only the line it
// must and everything else goes back out byte for byte: comments, blank
// lines, order, spelling and line ends.
class IniDocument {
public:
    explicit IniDocument(std::string_view bytes = {});

    std::string bytes() const;

    // The value of the first matching key of the first matching section, as
    // UTF-8; a value that is not valid UTF-8 is taken as Windows-1252.
    std::optional<std::string> shownText(std::string_view section, std::string_view key) const;
    std::optional<int32_t> integer(std::string_view section, std::string_view key) const;

    // CR, LF and NUL are dropped from the value so that no text can add keys
    // or lines; the rest reads back exactly as it was set.
    void setText(std::string_view section, std::string_view key, std::string_view utf8);
    void setInteger(std::string_view section, std::string_view key, int32_t value);

private:
    // A section header or an entry. Every other line, comments and blank
    // lines included, is kept only as bytes between them, so that a file of
    // nothing but line ends costs no more than its bytes. Offsets into
    // bytes_; a document is never near 4 GiB.
    struct Line {
        uint32_t begin;
        uint32_t end;  // of its text, where its line end begins
        uint32_t next; // past its line end
        uint32_t nameOffset;
        uint32_t nameLength;
        ini::LineKind kind;
    };

    static std::optional<Line> findIndexed(std::string_view text, std::size_t begin, std::size_t next);
    std::string_view textOf(const Line& line) const;
    std::string_view nameOf(const Line& line) const;
    std::optional<std::size_t> findSection(std::string_view section) const;
    std::optional<std::size_t> findEntry(std::size_t header, std::string_view key) const;
    std::optional<std::string_view> rawValue(std::string_view section, std::string_view key) const;
    std::size_t lastLineOfEntries(std::size_t header) const;
    std::size_t appendSection(std::string_view section);
    std::size_t insertLineAfter(std::size_t end, std::size_t next, const std::string& text);
    void shift(std::size_t fromLine, std::ptrdiff_t by);
    std::string firstEnding() const;
    void setValue(std::string_view section, std::string_view key, const std::string& value);

    bool hasByteOrderMark_ = false;
    std::string bytes_;
    std::vector<Line> lines_;
};

} // namespace quorvel::persist
