#include "ConfigHome.h"
#include "Settings.h"
#include "SettingsFile.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace quorvel::persist::testing {
namespace {

using SettingsTest = ConfigHomeTest;

TEST(ClampBackground, HoldsTheIndexAmongTheFiveTiles)
{
    const std::pair<int, int> cases[] = {{-1, 0}, {0, 0}, {3, 3}, {4, 4}, {5, 4}, {INT_MAX, 4}};
    for (const auto& [index, clamped] : cases)
        EXPECT_EQ(ClampBackground(index), clamped) << index;
}

TEST_F(SettingsTest, FileLivesInTheGamesOwnFolderOfTheCurrentConfigHome)
{
    EXPECT_EQ(SettingsFilePath(), HomePath() + "/quorvel/vemlo.ini");
    const QString otherHome = HomePath() + "/other";
    ASSERT_TRUE(qputenv("XDG_CONFIG_HOME", otherHome.toLocal8Bit()));
    EXPECT_EQ(SettingsFilePath(), otherHome + "/quorvel/vemlo.ini");
}

TEST_F(SettingsTest, ApplicationNamesDoNotMoveTheFile)
{
    int argc = 1;
    char name[] = "someone-else";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Elsewhere");
    QCoreApplication::setApplicationName("other");
    EXPECT_EQ(SettingsFilePath(), HomePath() + "/quorvel/vemlo.ini");
}

TEST_F(SettingsTest, NoFileGivesEveryDefaultAndTheFirstSaveMakesFolderAndFile)
{
    const StartupSettings settings = ReadStartup();
    for (int k = 0; k < ScoreLineCount; ++k) {
        EXPECT_EQ(settings.table[k].name, "Bobby");
        EXPECT_EQ(settings.table[k].level, 6);
        EXPECT_EQ(settings.table[k].score, 100 - 10 * k);
    }
    EXPECT_EQ(settings.background, 0);
    EXPECT_EQ(settings.blocks, 7);
    EXPECT_EQ(settings.playerName, "Anonymous");

    WriteBackground(settings.background);
    EXPECT_EQ(SettingsFileBytes(), "[Settings]\nBackground=0\n");
    EXPECT_EQ(QDir(FolderPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"vemlo.ini"});
}

TEST_F(SettingsTest, ValuesComeBackAsTheFileHoldsThem)
{
    WriteSettingsFile("[Settings]\nBlocks=12\nBackground=-3\nName=\n"
                      "[Scoreline3]\nName=J\xFCrgen\nLevel=10\nScore=abc\n"
                      "[Scoreline4]\nName=\nScore=0x20\n");
    const StartupSettings settings = ReadStartup();
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
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));
    EXPECT_EQ(ReadStartup().playerName, "Anonymous");
}

TEST_F(SettingsTest, EachSettingIsSavedInItsSectionAndOutOfRangeValuesAreClamped)
{
    WriteSettingsFile("; Quorvel\n[Scoreline1]\nScore=5\n");
    WriteBlocks(12);
    WriteBackground(7);
    WritePlayerName(QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80"));
    EXPECT_EQ(SettingsFileBytes(), "; Quorvel\n[Scoreline1]\nScore=5\n\n[Settings]\nBlocks=9\nBackground=4\n"
                                   "Name=Zo\xC3\xAB \xF0\x9F\x98\x80\n");
    WriteBlocks(3);
    WriteBackground(-1);
    const StartupSettings settings = ReadStartup();
    EXPECT_EQ(settings.blocks, 6);
    EXPECT_EQ(settings.background, 0);
    EXPECT_EQ(settings.playerName, QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80"));
}

TEST_F(SettingsTest, APlayerNameCannotAddLinesToTheFile)
{
    WritePlayerName("Ann\n[Settings]\r\nBlocks=6");
    EXPECT_EQ(SettingsFileBytes(), "[Settings]\nName=Ann[Settings]Blocks=6\n");
    EXPECT_EQ(ReadStartup().blocks, 7);
}

} // namespace
} // namespace quorvel::persist::testing
