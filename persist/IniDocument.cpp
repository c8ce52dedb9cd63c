#include "IniDocument.h"

#include "IniSyntax.h"
#include "TextEncoding.h"

#include <algorithm>

namespace quorvel::persist {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view UnixEnding = "\n";
constexpr std::string_view LineBreakers = "\r\n";

} // namespace

IniDocument::IniDocument(std::string_view bytes)
{
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        hasByteOrderMark_ = true;
        bytes.remove_prefix(ByteOrderMark.size());
    }
    while (!bytes.empty()) {
        const auto end = std::min(bytes.find_first_of(LineBreakers), bytes.size());
        std::size_t next = end;
        if (next < bytes.size())
            next += bytes.substr(end, 2) == "\r\n" ? 2 : 1;
        lines_.push_back({std::string(bytes.substr(0, end)), std::string(bytes.substr(end, next - end))});
        bytes.remove_prefix(next);
    }
}

std::string IniDocument::Bytes() const
{
    std::string bytes(hasByteOrderMark_ ? ByteOrderMark : std::string_view());
    for (const Line& line : lines_)
        bytes += line.text + line.ending;
    return bytes;
}

std::optional<std::string> IniDocument::Text(std::string_view section, std::string_view key) const
{
    const auto raw = RawValue(section, key);
    if (!raw)
        return std::nullopt;
    const std::string decoded = IsValidUtf8(*raw) ? std::string(*raw) : Windows1252ToUtf8(*raw);
    return std::string(TruncateUtf8(decoded, ini::MaxTextLength));
}

std::optional<int32_t> IniDocument::Integer(std::string_view section, std::string_view key) const
{
    const auto raw = RawValue(section, key);
    return raw ? ini::ParseInteger(*raw) : std::nullopt;
}

void IniDocument::SetText(std::string_view section, std::string_view key, std::string_view utf8)
{
    std::string value(utf8);
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    SetValue(section, key, ini::Written(value));
}

void IniDocument::SetInteger(std::string_view section, std::string_view key, int32_t value)
{
    SetValue(section, key, std::to_string(value));
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const ini::LineShape shape = ini::ShapeOf(lines_[i].text);
        if (shape.kind == ini::LineKind::Section && ini::SameName(shape.name, section))
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindEntry(std::size_t header, std::string_view key) const
{
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const ini::LineShape shape = ini::ShapeOf(lines_[i].text);
        if (shape.kind == ini::LineKind::Section)
            break;
        if (shape.kind == ini::LineKind::Entry && ini::SameName(shape.name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::RawValue(std::string_view section, std::string_view key) const
{
    const auto header = FindSection(section);
    const auto entry = header ? FindEntry(*header, key) : std::nullopt;
    if (!entry)
        return std::nullopt;
    const std::string& text = lines_[*entry].text;
    return ini::ValueOf(text, ini::ShapeOf(text));
}

// Comments and blank lines after the last entry stay below a new key, where
// they usually introduce whatever follows.
std::size_t IniDocument::LastLineOfEntries(std::size_t header) const
{
    std::size_t last = header;
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const ini::LineShape shape = ini::ShapeOf(lines_[i].text);
        if (shape.kind == ini::LineKind::Section)
            break;
        if (shape.kind == ini::LineKind::Entry)
            last = i;
    }
    return last;
}

std::size_t IniDocument::AppendSection(std::string_view section)
{
    std::string header = "[" + std::string(section) + "]";
    if (lines_.empty()) {
        lines_.push_back({std::move(header), FirstEnding()});
        return 0;
    }
    if (!lines_.back().text.empty())
        InsertAfter(lines_.size() - 1, {});
    InsertAfter(lines_.size() - 1, std::move(header));
    return lines_.size() - 1;
}

// A new line takes the line end of the line it follows, so that a lone CR
// before it never pairs up with a new LF into one CRLF.
void IniDocument::InsertAfter(std::size_t index, std::string text)
{
    if (lines_[index].ending.empty())
        lines_[index].ending = FirstEnding();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index) + 1, {std::move(text), lines_[index].ending});
}

std::string IniDocument::FirstEnding() const
{
    for (const Line& line : lines_)
        if (!line.ending.empty())
            return line.ending;
    return std::string(UnixEnding);
}

void IniDocument::SetValue(std::string_view section, std::string_view key, const std::string& value)
{
    const auto found = FindSection(section);
    const std::size_t header = found ? *found : AppendSection(section);
    if (const auto entry = FindEntry(header, key)) {
        std::string& text = lines_[*entry].text;
        text = text.substr(0, ini::RewriteStart(text, ini::ShapeOf(text))) + value;
        return;
    }
    InsertAfter(LastLineOfEntries(header), std::string(key) + "=" + value);
}

} // namespace quorvel::persist
