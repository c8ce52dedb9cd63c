#include "ConfigHome.h"
#include "Settings.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel::persist::testing {
namespace {

using SettingsTest = ConfigHomeTest;

TEST(ClampBackground, HoldsTheIndexAmongTheFiveTiles)
{
    const std::pair<int, int> cases[] = {{-1, 0}, {0, 0}, {3, 3}, {4, 4}, {5, 4}, {INT_MAX, 4}};
    for (const auto& [index, clamped] : cases)
        EXPECT_EQ(clampBackground(index), clamped) << index;
}

std::string homeOfThisUser()
{
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr ? entry->pw_dir : "<none>";
}

void setVariable(const char* name, const std::optional<std::string>& value)
{
    ASSERT_EQ(value ? setenv(name, value->c_str(), 1) : unsetenv(name), 0);
}

// The folder follows the XDG rules, byte for byte.
TEST_F(SettingsTest, FileLivesInTheGamesOwnFolderOfTheConfigHome)
{
    const std::string home = QFile::encodeName(homePath()).toStdString();
    const std::optional<std::string> previousHome = qEnvironmentVariableIsSet("HOME") ? std::optional(qgetenv("HOME").toStdString()) : std::nullopt;
    const struct {
        const char* title;
        std::optional<std::string> configHome;
        std::optional<std::string> home;
        std::string expected;
    } cases[] = {
        {"absolute config home", home, "/h", home + "/quorvel/vemlo.ini"},
        {"config home that is not UTF-8", home + "/caf\xE9", "/h", home + "/caf\xE9/quorvel/vemlo.ini"},
        {"relative config home is ignored", "rel", "/h", "/h/.config/quorvel/vemlo.ini"},
        {"empty config home is ignored", "", "/h", "/h/.config/quorvel/vemlo.ini"},
        {"home that is not UTF-8", std::nullopt, "/h\xE9/", "/h\xE9/.config/quorvel/vemlo.ini"},
        {"no home: the password database's", std::nullopt, std::nullopt, homeOfThisUser() + "/.config/quorvel/vemlo.ini"},
        {"relative home: the password database's", "", "h", homeOfThisUser() + "/.config/quorvel/vemlo.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        setVariable("XDG_CONFIG_HOME", c.configHome);
        setVariable("HOME", c.home);
        EXPECT_EQ(settingsFileBytePath(), c.expected);
    }
    setVariable("HOME", previousHome);

    const std::string unusual = home + "/caf\xE9";
    setVariable("XDG_CONFIG_HOME", unusual);
    writeBackground(3);
    struct stat saved {};
    EXPECT_EQ(stat((unusual + "/quorvel/vemlo.ini").c_str(), &saved), 0);
    EXPECT_EQ(readStartup().background, 3);
    // A name Qt cannot decode is beyond QTemporaryDir's clean-up.
    std::filesystem::remove_all(unusual);
}

TEST_F(SettingsTest, ApplicationNamesDoNotMoveTheFile)
{
    int argc = 1;
    char name[] = "someone-else";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Elsewhere");
    QCoreApplication::setApplicationName("other");
    EXPECT_EQ(settingsFilePath(), homePath() + "/quorvel/vemlo.ini");
}

TEST_F(SettingsTest, NoFileGivesEveryDefaultAndTheFirstSaveMakesFolderAndFile)
{
    const StartupSettings settings = readStartup();
    for (int k = 0; k < ScoreLineCount; ++k) {
        EXPECT_EQ(settings.table[k].name, "Bobby");
        EXPECT_EQ(settings.table[k].level, 6);
        EXPECT_EQ(settings.table[k].score, 100 - 10 * k);
    }
    EXPECT_EQ(settings.background, 0);
    EXPECT_EQ(settings.blocks, 7);
    EXPECT_EQ(settings.playerName, "Anonymous");

    writeBackground(settings.background);
    EXPECT_EQ(settingsFileBytes(), "[Settings]\nBackground=0\n");
    EXPECT_EQ(QDir(folderPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"vemlo.ini"});
}

TEST_F(SettingsTest, ValuesComeBackAsTheFileHoldsThem)
{
    writeSettingsFile("[Settings]\nBlocks=12\nBackground=-3\nName=\n"
                      "[Scoreline3]\nName=J\xFCrgen\nLevel=10\nScore=abc\n"
                      "[Scoreline4]\nName=\nScore=0x20\n");
    const StartupSettings settings = readStartup();
    EXPECT_EQ(settings.blocks, 12);
    EXPECT_EQ(settings.background, -3);
    EXPECT_EQ(settings.playerName, "");
    EXPECT_EQ(settings.table[2].name, QString::fromUtf8("J\xC3\xBCrgen"));
    EXPECT_EQ(settings.table[2].level, 10);
    EXPECT_EQ(settings.table[2].score, 80);
    EXPECT_EQ(settings.table[3].name, "");
    EXPECT_EQ(settings.table[3].level, 6);
    EXPECT_EQ(settings.table[3].score, 32);
}

TEST_F(SettingsTest, AFolderWhereTheFileShouldBeReadsAsDefaults)
{
    ASSERT_TRUE(QDir().mkpath(settingsFilePath()));
    EXPECT_EQ(readStartup().playerName, "Anonymous");
}

TEST_F(SettingsTest, EachSettingIsSavedInItsSectionAndOutOfRangeValuesAreClamped)
{
    writeSettingsFile("; Quorvel\n[Scoreline1]\nScore=5\n");
    writeBlocks(12);
    writeBackground(7);
    writePlayerName(QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80"));
    EXPECT_EQ(settingsFileBytes(), "; Quorvel\n[Scoreline1]\nScore=5\n\n[Settings]\nBlocks=9\nBackground=4\n"
                                   "Name=Zo\xC3\xAB \xF0\x9F\x98\x80\n");
    writeBlocks(3);
    writeBackground(-1);
    const StartupSettings settings = readStartup();
    EXPECT_EQ(settings.blocks, 6);
    EXPECT_EQ(settings.background, 0);
    EXPECT_EQ(settings.playerName, QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80"));
}

TEST_F(SettingsTest, APlayerNameCannotAddLinesToTheFile)
{
    writePlayerName("Ann\n[Settings]\r\nBlocks=6");
    EXPECT_EQ(settingsFileBytes(), "[Settings]\nName=Ann[Settings]Blocks=6\n");
    EXPECT_EQ(readStartup().blocks, 7);
}

} // namespace
} // namespace quorvel::persist::testing
