#include "IniDocument.h"

#include "TextEncoding.h"

#include <algorithm>

namespace quorvel::persist {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view UnixEnding = "\n";
constexpr std::string_view LineBreakers = "\r\n";

// Where the line starting at `begin` ends and where the next one starts; CR
// LF is one line end, LF CR two.
std::pair<std::size_t, std::size_t> lineAt(std::string_view bytes, std::size_t begin)
{
    const std::size_t end = std::min(bytes.find_first_of(LineBreakers, begin), bytes.size());
    if (end == bytes.size())
        return {end, end};
    return {end, end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1)};
}

} // namespace

IniDocument::IniDocument(std::string_view bytes)
{
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        hasByteOrderMark_ = true;
        bytes.remove_prefix(ByteOrderMark.size());
    }
    bytes_ = bytes;
    for (std::size_t begin = 0; begin < bytes_.size();) {
        const auto [end, next] = lineAt(bytes_, begin);
        if (const auto line = findIndexed(std::string_view(bytes_).substr(begin, end - begin), begin, next))
            lines_.push_back(*line);
        begin = next;
    }
}

// `text` is the line's text, starting at `begin` of the document.
std::optional<IniDocument::Line> IniDocument::findIndexed(std::string_view text, std::size_t begin, std::size_t next)
{
    const ini::LineShape shape = ini::shapeOf(text);
    if (shape.kind == ini::LineKind::Other)
        return std::nullopt;
    // An empty name may point nowhere.
    const std::size_t nameOffset = shape.name.empty() ? 0 : static_cast<std::size_t>(shape.name.data() - text.data());
    return Line{static_cast<uint32_t>(begin), static_cast<uint32_t>(begin + text.size()), static_cast<uint32_t>(next),
                static_cast<uint32_t>(nameOffset), static_cast<uint32_t>(shape.name.size()), shape.kind};
}

std::string IniDocument::bytes() const
{
    return std::string(hasByteOrderMark_ ? ByteOrderMark : std::string_view()) + bytes_;
}

std::optional<std::string> IniDocument::shownText(std::string_view section, std::string_view key) const
{
    const auto raw = rawValue(section, key);
    if (!raw)
        return std::nullopt;
    const std::string decoded = isValidUtf8(*raw) ? std::string(*raw) : windows1252ToUtf8(*raw);
    return std::string(truncateUtf8(decoded, ini::MaxTextLength));
}

std::optional<int32_t> IniDocument::integer(std::string_view section, std::string_view key) const
{
    const auto raw = rawValue(section, key);
    return raw ? ini::parseInteger(*raw) : std::nullopt;
}

void IniDocument::setText(std::string_view section, std::string_view key, std::string_view utf8)
{
    std::string value(utf8);
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    setValue(section, key, ini::written(value));
}

void IniDocument::setInteger(std::string_view section, std::string_view key, int32_t value)
{
    setValue(section, key, std::to_string(value));
}

std::string_view IniDocument::textOf(const Line& line) const
{
    return std::string_view(bytes_).substr(line.begin, line.end - line.begin);
}

std::string_view IniDocument::nameOf(const Line& line) const
{
    return std::string_view(bytes_).substr(line.begin + line.nameOffset, line.nameLength);
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == ini::LineKind::Section && ini::sameName(nameOf(lines_[i]), section))
            return i;
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findEntry(std::size_t header, std::string_view key) const
{
    for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind == ini::LineKind::Entry; ++i)
        if (ini::sameName(nameOf(lines_[i]), key))
            return i;
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::rawValue(std::string_view section, std::string_view key) const
{
    const auto header = findSection(section);
    const auto entry = header ? findEntry(*header, key) : std::nullopt;
    if (!entry)
        return std::nullopt;
    const std::string_view text = textOf(lines_[*entry]);
    return ini::valueOf(text, ini::shapeOf(text));
}

// Comments and blank lines after the last entry stay below a new key, where
// they usually introduce whatever follows.
std::size_t IniDocument::lastLineOfEntries(std::size_t header) const
{
    std::size_t last = header;
    while (last + 1 < lines_.size() && lines_[last + 1].kind == ini::LineKind::Entry)
        ++last;
    return last;
}

// After a blank line, unless the file already ends with one.
std::size_t IniDocument::appendSection(std::string_view section)
{
    const std::string header = "[" + std::string(section) + "]";
    if (bytes_.empty()) {
        bytes_ = header + firstEnding();
        lines_.push_back(*findIndexed(header, 0, bytes_.size()));
        return 0;
    }
    std::size_t end = bytes_.size();
    if (end > 0 && bytes_[end - 1] == '\n')
        --end;
    if (end > 0 && bytes_[end - 1] == '\r' && (end == bytes_.size() || bytes_[end] == '\n'))
        --end;
    const bool lastLineBlank = end == 0 || bytes_[end - 1] == '\r' || bytes_[end - 1] == '\n';
    if (!lastLineBlank) {
        insertLineAfter(end, bytes_.size(), {});
        end = lineAt(bytes_, end).second;
    }
    return insertLineAfter(end, bytes_.size(), header);
}

// A new line takes the line end of the line it follows, so that a lone CR
// before it never pairs up with a new LF into one CRLF. Returns the new
// line's place among the sections and entries.
std::size_t IniDocument::insertLineAfter(std::size_t end, std::size_t next, const std::string& text)
{
    if (next == end) {
        const std::string ending = firstEnding();
        bytes_ += ending;
        next += ending.size();
        if (!lines_.empty() && lines_.back().end == end)
            lines_.back().next = static_cast<uint32_t>(next);
    }
    const std::string line = text + bytes_.substr(end, next - end);
    bytes_.insert(next, line);
    const auto at = std::lower_bound(lines_.begin(), lines_.end(), next,
                                     [](const Line& l, std::size_t offset) { return l.begin < offset; });
    const std::size_t index = static_cast<std::size_t>(at - lines_.begin());
    shift(index, static_cast<std::ptrdiff_t>(line.size()));
    if (const auto indexed = findIndexed(text, next, next + line.size()))
        lines_.insert(at, *indexed);
    return index;
}

void IniDocument::shift(std::size_t fromLine, std::ptrdiff_t by)
{
    for (std::size_t i = fromLine; i < lines_.size(); ++i) {
        lines_[i].begin = static_cast<uint32_t>(lines_[i].begin + by);
        lines_[i].end = static_cast<uint32_t>(lines_[i].end + by);
        lines_[i].next = static_cast<uint32_t>(lines_[i].next + by);
    }
}

std::string IniDocument::firstEnding() const
{
    const auto first = bytes_.find_first_of(LineBreakers);
    if (first == std::string::npos)
        return std::string(UnixEnding);
    const auto [end, next] = lineAt(bytes_, first);
    return bytes_.substr(end, next - end);
}

void IniDocument::setValue(std::string_view section, std::string_view key, const std::string& value)
{
    const auto found = findSection(section);
    const std::size_t header = found ? *found : appendSection(section);
    if (const auto entry = findEntry(header, key)) {
        Line& line = lines_[*entry];
        const std::string_view text = textOf(line);
        const std::size_t start = line.begin + ini::rewriteStart(text, ini::shapeOf(text));
        const std::ptrdiff_t grows = static_cast<std::ptrdiff_t>(value.size()) - static_cast<std::ptrdiff_t>(line.end - start);
        bytes_.replace(start, line.end - start, value);
        line.end = static_cast<uint32_t>(line.end + grows);
        line.next = static_cast<uint32_t>(line.next + grows);
        shift(*entry + 1, grows);
        return;
    }
    const Line& last = lines_[lastLineOfEntries(header)];
    insertLineAfter(last.end, last.next, std::string(key) + "=" + value);
}

} // namespace quorvel::persist
