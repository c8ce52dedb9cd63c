#include "IniDocument.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

namespace quorvel::persist::testing {
namespace {

using namespace std::string_literals;

struct WriteCase {
    const char* title;
    std::string before;
    std::function<void(IniDocument&)> change;
    std::string after;
};

void setName(IniDocument& document) { document.setText("Settings", "Name", "Ann"); }
void setBlocksToNine(IniDocument& document) { document.setInteger("Settings", "Blocks", 9); }

TEST(IniWrite, ChangesOnlyWhatItMustAndPlacesNewLinesByTheirSection)
{
    const WriteCase cases[] = {
        {"first save creates the section", "", setBlocksToNine, "[Settings]\nBlocks=9\n"},
        {"changed key is rewritten where it stands, spelling and alignment kept",
            "; mine\n[SETTINGS]\n  blocks = 7\n\nName=Bob\n", setBlocksToNine,
            "; mine\n[SETTINGS]\n  blocks = 9\n\nName=Bob\n"},
        {"quoted value is replaced whole", "[Settings]\nName = \"Bob\"\n", setName, "[Settings]\nName = Ann\n"},
        {"new key follows the last entry, ahead of trailing comments",
            "[Settings]\nBlocks=7\n; next come the scores\n\n[Scoreline1]\nScore=5\n", setName,
            "[Settings]\nBlocks=7\nName=Ann\n; next come the scores\n\n[Scoreline1]\nScore=5\n"},
        {"new key in a section without entries", "[Settings]\n\n[Other]\n", setName, "[Settings]\nName=Ann\n\n[Other]\n"},
        {"new section at the end of a file without a final line end", "[Other]\nx=1", setBlocksToNine,
            "[Other]\nx=1\n\n[Settings]\nBlocks=9\n"},
        {"new section after a blank last line", "[Other]\nx=1\n\n", setBlocksToNine, "[Other]\nx=1\n\n[Settings]\nBlocks=9\n"},
        {"CRLF file gets CRLF lines", "[Other]\r\nx=1\r\n", setBlocksToNine, "[Other]\r\nx=1\r\n\r\n[Settings]\r\nBlocks=9\r\n"},
        {"CR file gets CR lines", "[Settings]\rBlocks=7\r", setName, "[Settings]\rBlocks=7\rName=Ann\r"},
        {"new line after a lone CR keeps CR", "[Settings]\nBlocks=7\r", setName, "[Settings]\nBlocks=7\rName=Ann\r"},
        {"new line after an unended last line takes the file's first end", "[Settings]\r\nBlocks=7", setName,
            "[Settings]\r\nBlocks=7\r\nName=Ann\r\n"},
        {"byte-order mark is kept", "\xEF\xBB\xBF[Settings]\nBlocks=7\n", setBlocksToNine, "\xEF\xBB\xBF[Settings]\nBlocks=9\n"},
        {"first of two sections is written", "[Settings]\nBlocks=7\n[Settings]\nName=Old\n", setName,
            "[Settings]\nBlocks=7\nName=Ann\n[Settings]\nName=Old\n"},
        {"key before any section is left alone", "Blocks=1\n[Settings]\n", setBlocksToNine, "Blocks=1\n[Settings]\nBlocks=9\n"},
        {"other lines keep their bytes, single-byte text and NULs included",
            "[Scoreline1]\nName=J\xFCrgen\0x\n[Settings]\nBlocks=7\n"s, setBlocksToNine,
            "[Scoreline1]\nName=J\xFCrgen\0x\n[Settings]\nBlocks=9\n"s},
        {"negative integers in decimal", "",
            [](IniDocument& d) { d.setInteger("Settings", "Background", INT_MIN); },
            "[Settings]\nBackground=-2147483648\n"},
        {"line breaks and NULs never reach the file", "[Settings]\nBlocks=7\n",
            [](IniDocument& d) { d.setText("Settings", "Name", "Ann\r\n[Settings]\nBlocks=1\0!"s); },
            "[Settings]\nBlocks=7\nName=Ann[Settings]Blocks=1!\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.title);
        IniDocument document(c.before);
        c.change(document);
        EXPECT_EQ(document.bytes(), c.after);
    }
}

// The reader takes away surrounding blanks and one pair of quotes, so the
// writer quotes exactly the texts that would otherwise come back changed.
TEST(IniWrite, EveryTextReadsBackExactlyAsSet)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Al", "Al"}, {"\"Al\"", "\"\"Al\"\""}, {"'Bo'", "\"'Bo'\""}, {"  Cy  ", "\"  Cy  \""}, {"\tDi", "\"\tDi\""},
        {"\"Ed", "\"Ed"}, {"Fa'", "Fa'"}, {"\"Gu'", "\"Gu'"}, {"a \"b\" c", "a \"b\" c"}, {"\"", "\""}, {" ", "\" \""},
        {"", ""},
    };
    for (const auto& [text, written] : cases) {
        SCOPED_TRACE(text);
        IniDocument document("[Settings]\nName=Old\n");
        document.setText("Settings", "Name", text);
        EXPECT_EQ(document.bytes(), "[Settings]\nName=" + written + "\n");
        EXPECT_EQ(IniDocument(document.bytes()).shownText("Settings", "Name"), text);
    }
}

} // namespace
} // namespace quorvel::persist::testing
