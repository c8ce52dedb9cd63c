#include "IniDocument.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

namespace quorvel::persist::testing {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* title;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> text;
    std::optional<int32_t> integer;
};

void expectReads(const ReadCase& c)
{
    SCOPED_TRACE(c.title);
    const IniDocument document(c.file);
    EXPECT_EQ(document.shownText(c.section, c.key), c.text);
    EXPECT_EQ(document.integer(c.section, c.key), c.integer);
}

std::string scoreLineWith(const std::string& entry)
{
    return "[Scoreline1]\n" + entry + "\n";
}

TEST(IniRead, IntegersAreDecimalOrHexClampedToThirtyTwoBits)
{
    const ReadCase cases[] = {
        {"blanks around the value", scoreLineWith("Score= 12 "), "Scoreline1", "Score", "12", 12},
        {"lower-case hex prefix", scoreLineWith("Score=0x20"), "Scoreline1", "Score", "0x20", 32},
        {"upper-case hex prefix", scoreLineWith("Score=0X1f"), "Scoreline1", "Score", "0X1f", 31},
        {"hex with many leading zeros", scoreLineWith("Score=0x0000000000000000000020"), "Scoreline1", "Score", "0x0000000000000000000020", 32},
        {"largest hex", scoreLineWith("Score=0x7FFFFFFF"), "Scoreline1", "Score", "0x7FFFFFFF", INT_MAX},
        {"hex above the range", scoreLineWith("Score=0x80000000"), "Scoreline1", "Score", "0x80000000", INT_MAX},
        {"hex prefix alone", scoreLineWith("Score=0x"), "Scoreline1", "Score", "0x", std::nullopt},
        {"signed hex", scoreLineWith("Score=-0x5"), "Scoreline1", "Score", "-0x5", std::nullopt},
        {"letters", scoreLineWith("Score=abc"), "Scoreline1", "Score", "abc", std::nullopt},
        {"digits then letters", scoreLineWith("Score=12abc"), "Scoreline1", "Score", "12abc", std::nullopt},
        {"far beyond the range", scoreLineWith("Score=99999999999"), "Scoreline1", "Score", "99999999999", INT_MAX},
        {"beyond 64 bits", scoreLineWith("Score=-99999999999999999999999"), "Scoreline1", "Score", "-99999999999999999999999", INT_MIN},
        {"beyond the range, then a letter", scoreLineWith("Score=99999999999x"), "Scoreline1", "Score", "99999999999x", std::nullopt},
        {"one above the range", scoreLineWith("Score=2147483648"), "Scoreline1", "Score", "2147483648", INT_MAX},
        {"smallest value", scoreLineWith("Score=-2147483648"), "Scoreline1", "Score", "-2147483648", INT_MIN},
        {"one below the range", scoreLineWith("Score=-2147483649"), "Scoreline1", "Score", "-2147483649", INT_MIN},
        {"negative zero", scoreLineWith("Score=-0"), "Scoreline1", "Score", "-0", 0},
        {"plus sign", scoreLineWith("Score=+5"), "Scoreline1", "Score", "+5", 5},
        {"sign alone", scoreLineWith("Score=-"), "Scoreline1", "Score", "-", std::nullopt},
        {"double quotes", scoreLineWith("Score=\"12\""), "Scoreline1", "Score", "12", 12},
        {"single quotes", scoreLineWith("Score='7'"), "Scoreline1", "Score", "7", 7},
        {"quotes that do not match", scoreLineWith("Score=\"7'"), "Scoreline1", "Score", "\"7'", std::nullopt},
        {"blank inside the quotes", scoreLineWith("Score=\" 7\""), "Scoreline1", "Score", " 7", std::nullopt},
        {"empty value", scoreLineWith("Score="), "Scoreline1", "Score", "", std::nullopt},
    };
    for (const ReadCase& c : cases)
        expectReads(c);
}

TEST(IniRead, SectionsAndKeysAreFoundAsTheOldFormatFoundThem)
{
    const ReadCase cases[] = {
        {"names ignore case", "[SCORELINE1]\nscore=7\n", "Scoreline1", "Score", "7", 7},
        {"names are trimmed", "[ Scoreline1 ]\n  Score\t=  9\n", "Scoreline1", "Score", "9", 9},
        {"first of two sections wins", "[Scoreline1]\nScore=1\n[Scoreline1]\nScore=2\nLevel=8\n", "Scoreline1", "Score", "1", 1},
        {"second of two sections is never read", "[Scoreline1]\nScore=1\n[Scoreline1]\nLevel=8\n", "Scoreline1", "Level", std::nullopt, std::nullopt},
        {"first of two keys wins", "[Scoreline1]\nScore=1\nScore=2\n", "Scoreline1", "Score", "1", 1},
        {"header without its bracket opens no section", "[Scoreline1\nScore=5\n", "Scoreline1", "Score", std::nullopt, std::nullopt},
        {"keys below a broken header stay in the section before", "[Settings]\n[Scoreline1\nBlocks=9\n", "Settings", "Blocks", "9", 9},
        {"key before any section belongs to none", "Score=5\n[Scoreline1]\nLevel=7\n", "Scoreline1", "Score", std::nullopt, std::nullopt},
        {"section ends at the next header", "[Scoreline1]\n[Scoreline2]\nScore=5\n", "Scoreline1", "Score", std::nullopt, std::nullopt},
        {"comment lines are skipped", "[Scoreline1]\n;Score=5\n  ; Score=6\nScore=7\n", "Scoreline1", "Score", "7", 7},
        {"lines without an equals sign are skipped", "[Scoreline1]\nScore\nScore=8\n", "Scoreline1", "Score", "8", 8},
        {"first equals sign splits", "[Settings]\nName=a=b;c\n", "Settings", "Name", "a=b;c", std::nullopt},
        {"text after the bracket is ignored", "[Settings] ; mine\nBlocks=9\n", "Settings", "Blocks", "9", 9},
        {"missing section", "[Settings]\nBlocks=9\n", "Scoreline1", "Score", std::nullopt, std::nullopt},
        {"empty file", "", "Settings", "Blocks", std::nullopt, std::nullopt},
    };
    for (const ReadCase& c : cases)
        expectReads(c);
}

TEST(IniRead, EveryLineEndWorksWithOrWithoutAFinalOne)
{
    const ReadCase cases[] = {
        {"CR only", "[Settings]\rName=Ann\rBlocks=8", "Settings", "Blocks", "8", 8},
        {"CR only, the line before", "[Settings]\rName=Ann\rBlocks=8", "Settings", "Name", "Ann", std::nullopt},
        {"mixed ends", "[Settings]\r\nName=Ann\rBackground=3\nBlocks=8\r\n", "Settings", "Background", "3", 3},
        {"mixed ends, last key", "[Settings]\r\nName=Ann\rBackground=3\nBlocks=8\r\n", "Settings", "Blocks", "8", 8},
        {"LF then CR are two ends", "[Settings]\n\rBlocks=6\n", "Settings", "Blocks", "6", 6},
        {"byte-order mark before the first header", "\xEF\xBB\xBF[Settings]\nBlocks=9\n", "Settings", "Blocks", "9", 9},
    };
    for (const ReadCase& c : cases)
        expectReads(c);
}

TEST(IniRead, TextIsUtf8OrElseWindows1252)
{
    const ReadCase cases[] = {
        {"UTF-8 name", "[Scoreline1]\nName=J\xC3\xBCrgen\n", "Scoreline1", "Name", "J\xC3\xBCrgen", std::nullopt},
        {"single byte 0xFC", "[Scoreline1]\nName=J\xFCrgen\n", "Scoreline1", "Name", "J\xC3\xBCrgen", std::nullopt},
        {"euro sign of the code page", "[Scoreline1]\nName=\x80\n", "Scoreline1", "Name", "\xE2\x82\xAC", std::nullopt},
        {"hole of the code page", "[Scoreline1]\nName=\x81\n", "Scoreline1", "Name", "\xC2\x81", std::nullopt},
        {"overlong form", "[Scoreline1]\nName=\xC0\xAF\n", "Scoreline1", "Name", "\xC3\x80\xC2\xAF", std::nullopt},
        {"surrogate", "[Scoreline1]\nName=\xED\xA0\x80\n", "Scoreline1", "Name", "\xC3\xAD\xC2\xA0\xE2\x82\xAC", std::nullopt},
        {"beyond the last code point", "[Scoreline1]\nName=\xF4\x90\x80\x80\n", "Scoreline1", "Name", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC", std::nullopt},
        {"cut-off sequence", "[Scoreline1]\nName=\xE2\x82\n", "Scoreline1", "Name", "\xC3\xA2\xE2\x80\x9A", std::nullopt},
        {"four-byte character", "[Scoreline1]\nName=\xF0\x9F\x98\x80\n", "Scoreline1", "Name", "\xF0\x9F\x98\x80", std::nullopt},
        {"empty name is not missing", "[Scoreline1]\nName=\n", "Scoreline1", "Name", "", std::nullopt},
        {"blanks and quotes", "[Settings]\nName=\t\" Ann \" \n", "Settings", "Name", " Ann ", std::nullopt},
        {"NUL ends the value", "[Settings]\nName=Ann\0Bob\nBlocks=8\n"s, "Settings", "Name", "Ann", std::nullopt},
        {"NUL ends that value only", "[Settings]\nName=Ann\0Bob\nBlocks=8\n"s, "Settings", "Blocks", "8", 8},
    };
    for (const ReadCase& c : cases)
        expectReads(c);
}

TEST(IniRead, TextStopsAfter2047CharactersAndTheFileReadsOn)
{
    const std::string longName(100000, 'x');
    const IniDocument document("[Settings]\nName=" + longName + "\nBlocks=9\n");
    EXPECT_EQ(document.shownText("Settings", "Name"), std::string(2047, 'x'));
    EXPECT_EQ(document.integer("Settings", "Blocks"), 9);

    std::string umlauts;
    for (int i = 0; i < 3000; ++i)
        umlauts += "\xC3\xBC";
    const auto read = IniDocument("[Settings]\nName=" + umlauts + "\n").shownText("Settings", "Name");
    EXPECT_EQ(read, umlauts.substr(0, 2 * 2047));
}

TEST(IniRead, UnchangedDocumentGoesBackOutByteForByte)
{
    const std::string files[] = {
        "",
        "\xEF\xBB\xBF; mine\r\n[Settings]\r\nName=J\xFCrgen\r\n\r\n",
        "no header\r\r\n\n\r[Scoreline1\n=\nName=Ann\0Bob"s,
        "\xEF\xBB\xBF",
    };
    for (const std::string& file : files)
        EXPECT_EQ(IniDocument(file).bytes(), file);
}

} // namespace
} // namespace quorvel::persist::testing
