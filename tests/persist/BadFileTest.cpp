#include "ConfigHome.h"
#include "ProbeRun.h"
#include "RegularFile.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace quorvel::persist::testing {
namespace {

// The device numbers of the null and the zero device: made afresh inside the
// test's own folder, so the game never meets the system's own nodes.
constexpr unsigned NullMinor = 3;
constexpr unsigned ZeroMinor = 5;
constexpr unsigned MemoryMajor = 1;

// Saved: Rewritten; made, and nothing else changed: OthersLeftAlone; made,
// and the leftovers of earlier versions removed: Tidied.
enum class Afterwards { Untouched, KeptAhead, Rewritten, OthersLeftAlone, Tidied };

struct BadFile {
    const char* title;
    std::function<void(const QString& file, const QString& home)> make;
    bool refused;
    const char* level;
    const char* background;
    const char* player;
    const char* line1;
    Afterwards afterwards;
};

using BadFileTest = ConfigHomeTest;

void makeFile(const QString& file, const std::string& bytes)
{
    writeFileBytes(file, bytes);
}

void makeDevice(const QString& path, unsigned minor)
{
    ASSERT_EQ(mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(MemoryMajor, minor)), 0);
}

void makeLinkToDevice(const QString& file, const QString& home, unsigned minor)
{
    const QString node = home + "/device";
    makeDevice(node, minor);
    ASSERT_TRUE(QFile::link(node, file));
}

std::string garbage()
{
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>((i * 7919 + i / 13) % 256);
    std::erase(bytes, '=');
    return bytes;
}

std::string overTheBound()
{
    const std::string start = "[Settings]\nBlocks=9\nName=Big\n;";
    return start + std::string(MaxFileBytes + 1 - start.size(), 'x');
}

const char* const DefaultLine1 = "Bobby|Easy|100|100";

TEST_F(BadFileTest, StartUpShowsDefaultsAndLeavesWhatIsThereAlone)
{
    const BadFile cases[] = {
        {"FIFO", [](const QString& file, const QString&) { ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0); },
            true, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::Untouched},
        {"link to a null device", [](const QString& file, const QString& home) { makeLinkToDevice(file, home, NullMinor); },
            true, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::Untouched},
        {"link to an endless device", [](const QString& file, const QString& home) { makeLinkToDevice(file, home, ZeroMinor); },
            true, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::Untouched},
        {"folder", [](const QString& file, const QString&) { ASSERT_TRUE(QDir().mkpath(file)); },
            true, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::Untouched},
        {"dangling link", [](const QString& file, const QString& home) { ASSERT_TRUE(QFile::link(home + "/gone.ini", file)); },
            true, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::Untouched},
        {"file over the bound", [](const QString& file, const QString&) { makeFile(file, overTheBound()); },
            true, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::Untouched},
        {"empty file", [](const QString& file, const QString&) { makeFile(file, ""); },
            false, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::KeptAhead},
        {"binary garbage", [](const QString& file, const QString&) { makeFile(file, garbage()); },
            false, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::KeptAhead},
        {"values out of range",
            [](const QString& file, const QString&) {
                makeFile(file, "[Settings]\nBlocks=12\nBackground=-3\n[Scoreline1]\nLevel=10\nScore=0x7fffffff\n");
            },
            false, "Wicked", "0 0", "Anonymous", "Bobby||2147483647|2147483647", Afterwards::Rewritten},
        {"malformed values",
            [](const QString& file, const QString&) {
                makeFile(file, "[Settings]\nBlocks=nine\nBackground=\nName=Ann\n[Scoreline1]\nLevel=\nScore=1e3\n");
            },
            false, "Medium", "0 0", "Ann", DefaultLine1, Afterwards::Rewritten},
        {"FIFO at the old lock's place",
            [](const QString& file, const QString&) { ASSERT_EQ(mkfifo(QFile::encodeName(file + ".lock").constData(), 0600), 0); },
            false, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::OthersLeftAlone},
        {"endless device at the old lock's place", [](const QString& file, const QString&) { makeDevice(file + ".lock", ZeroMinor); },
            false, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::OthersLeftAlone},
        {"link to an endless device at the old lock's place",
            [](const QString& file, const QString& home) { makeLinkToDevice(file + ".lock", home, ZeroMinor); },
            false, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::OthersLeftAlone},
        {"folder at the old lock's place", [](const QString& file, const QString&) { ASSERT_TRUE(QDir().mkpath(file + ".lock")); },
            false, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::OthersLeftAlone},
        {"old lock of a copy that died, with the helpers of takeovers killed midway",
            [](const QString& file, const QString&) {
                makeFile(file + ".lock", "4242\nquorvel\nsomehost\n");
                makeFile(file + ".lock.rmlock", "");
                makeFile(file + ".lock.rmlock.rmlock", "garbage\n");
            },
            false, "Medium", "0 0", "Anonymous", DefaultLine1, Afterwards::Tidied},
        {"link to a regular file",
            [](const QString& file, const QString& home) {
                makeFile(home + "/kept.ini", "[Settings]\nBlocks=8\nName=Ann\n");
                ASSERT_TRUE(QFile::link(home + "/kept.ini", file));
            },
            false, "Hard", "0 0", "Ann", DefaultLine1, Afterwards::KeptAhead},
        {"second name of a file",
            [](const QString& file, const QString& home) {
                makeFile(home + "/kept.ini", "[Settings]\nBlocks=8\nName=Ann\n");
                ASSERT_EQ(link(QFile::encodeName(home + "/kept.ini").constData(), QFile::encodeName(file).constData()), 0);
            },
            true, "Hard", "0 0", "Ann", DefaultLine1, Afterwards::Untouched},
    };
    const bool mayMakeDevices = geteuid() == 0;
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.title);
        if (!mayMakeDevices && QByteArray(c.title).contains("device"))
            continue;
        ASSERT_TRUE(QDir(homePath()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(folderPath()));
        c.make(settingsFilePath(), homePath());
        const std::string before = treeSnapshot(homePath());
        const bool keptAhead = c.afterwards == Afterwards::KeptAhead;
        const std::string bytesBefore = keptAhead ? fileBytes(settingsFilePath()).value_or("<unreadable>") : "";
        const bool linkBefore = QFileInfo(settingsFilePath()).isSymLink();

        const QStringList report = runProbe(homePath(), "startup");
        if (report.isEmpty()) {
            ADD_FAILURE() << "start-up did not finish";
            continue;
        }
        EXPECT_EQ(messagesSaying(report, UnableToWrite), c.refused ? 1 : 0);
        EXPECT_EQ(valueOf(report, "level"), QString(c.level));
        EXPECT_EQ(valueOf(report, "background"), QString(c.background));
        EXPECT_EQ(valueOf(report, "player"), QString(c.player));
        EXPECT_EQ(valueOf(report, "line1"), QString(c.line1));

        const std::string after = treeSnapshot(homePath());
        if (c.afterwards == Afterwards::Untouched) {
            EXPECT_EQ(after, before);
        }
        if (c.afterwards == Afterwards::OthersLeftAlone) {
            EXPECT_TRUE(QFile::remove(settingsFilePath()));
            EXPECT_EQ(treeSnapshot(homePath()), before);
        }
        if (c.afterwards == Afterwards::Tidied) {
            EXPECT_EQ(folderEntries(folderPath()), QStringList{"vemlo.ini"});
        }
        if (keptAhead) {
            EXPECT_EQ(fileBytes(settingsFilePath()).value_or("<unreadable>").substr(0, bytesBefore.size()), bytesBefore);
            EXPECT_EQ(QFileInfo(settingsFilePath()).isSymLink(), linkBefore);
        }
    }
}

} // namespace
} // namespace quorvel::persist::testing
