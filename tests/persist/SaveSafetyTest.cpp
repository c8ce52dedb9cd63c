#include "AtomicFile.h"
#include "ConfigHome.h"
#include "RegularFile.h"
#include "SaveLock.h"
#include "Settings.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel::persist::testing {
namespace {

using SaveSafetyTest = ConfigHomeTest;

// Another copy holds the lock for longer than a save waits without any
// save: saving nothing meanwhile, or saving the file again and again, as
// copies taking turns do. The wait outlasts the saves and then finds what
// the other copy saved; without them it gives up, keeping nothing, so that
// the lock is free the moment the other copy lets go.
TEST_F(SaveSafetyTest, ALiveCopysLockIsRespectedAndWaitedForWhileItSaves)
{
    constexpr std::chrono::milliseconds Patience(400);
    constexpr useconds_t SaveEveryUs = 50000;
    const struct {
        const char* title;
        int saves;
        bool refused;
    } cases[] = {{"saving nothing", 0, true}, {"saving again and again", 16, false}};
    const std::string file = settingsFilePath().toStdString();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        writeSettingsFile("[Settings]\nBackground=1\n");
        int held[2];
        ASSERT_EQ(pipe(held), 0);
        const pid_t otherCopy = fork();
        ASSERT_GE(otherCopy, 0);
        if (otherCopy == 0) {
            const SaveLock lock(file, std::chrono::milliseconds(0));
            bool saved = lock.state() == SaveLock::State::Held && write(held[1], "+", 1) == 1;
            for (int n = 0; n < c.saves && saved; ++n)
                saved = usleep(SaveEveryUs) == 0 && replaceFile(file, "[Settings]\nName=N" + std::to_string(n) + "\n");
            while (c.refused)
                pause();
            _exit(saved ? 0 : 1);
        }
        char taken = 0;
        ASSERT_EQ(read(held[0], &taken, 1), 1);
        ASSERT_EQ(close(held[0]), 0);
        ASSERT_EQ(close(held[1]), 0);
        const SaveLock waited(file, Patience);
        EXPECT_EQ(waited.state(), c.refused ? SaveLock::State::Refused : SaveLock::State::Held);
        if (c.refused) {
            ASSERT_EQ(::kill(otherCopy, SIGKILL), 0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(otherCopy, &status, 0), otherCopy);
        if (c.refused) {
            EXPECT_EQ(SaveLock(file, std::chrono::milliseconds(0)).state(), SaveLock::State::Held);
        } else {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            EXPECT_EQ(settingsFileBytes(), "[Settings]\nName=N" + std::to_string(c.saves - 1) + "\n");
        }
    }
    // A save that would change nothing neither waits for the lock nor
    // replaces the file.
    const SaveLock otherCopy(settingsFilePath().toStdString(), std::chrono::milliseconds(0));
    ASSERT_EQ(otherCopy.state(), SaveLock::State::Held);
    writeSettingsFile("[Settings]\nBackground=1\n");
    struct stat before {}, after {};
    ASSERT_EQ(stat(QFile::encodeName(settingsFilePath()).constData(), &before), 0);
    EXPECT_NO_THROW(writeBackground(1));
    ASSERT_EQ(stat(QFile::encodeName(settingsFilePath()).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

// Root gets the answer the player would get: the bits that apply to the
// file's owner, its group or anyone else, whoever runs the game.
TEST_F(SaveSafetyTest, AFileIsWrittenOnlyWhenItsPermissionsAllowIt)
{
    constexpr uid_t Stranger = 54321;
    const struct {
        mode_t mode;
        bool strangersFile;
        bool ourGroup;
        bool writable;
    } cases[] = {
        {0644, false, true, true}, {0444, false, true, false}, {0466, false, true, false},
        {0646, true, false, true}, {0664, true, false, false},
        {0464, true, true, true}, {0646, true, true, false},
    };
    const QString file = homePath() + "/kept.ini";
    const QByteArray path = QFile::encodeName(file);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::oct << c.mode << (c.strangersFile ? " stranger's" : " ours"));
        if (c.strangersFile && geteuid() != 0)
            continue;
        writeFileBytes(file, "");
        ASSERT_EQ(chown(path.constData(), c.strangersFile ? Stranger : geteuid(), c.ourGroup ? getegid() : Stranger), 0);
        ASSERT_EQ(chmod(path.constData(), c.mode), 0);
        EXPECT_EQ(mayWrite(path.toStdString()), c.writable);
        ASSERT_EQ(unlink(path.constData()), 0);
    }
    EXPECT_TRUE(mayWrite(path.toStdString()));
}

TEST_F(SaveSafetyTest, LeftoversOfKilledSavesGoAndNothingElse)
{
    writeSettingsFile("[Settings]\nBackground=1\n");
    const QString folder = folderPath();
    const QStringList kept = {"vemlo.ini.backup", "vemlo.ini.saving-toolong", "vemlo.ini.saving-ab_123",
                              "vemlo.ini.saving-dir123"};
    for (const QString& name : kept.mid(0, 3))
        writeFileBytes(folder + '/' + name, "mine\n");
    ASSERT_TRUE(QDir().mkpath(folder + "/" + kept[3]));
    for (const char* name : {"vemlo.ini.saving-Ab3xYZ", "vemlo.ini.saving-000000"})
        writeFileBytes(folder + '/' + name, "[Settings]\nBackground=4\n");
    writeBackground(2);
    QStringList expected = kept;
    expected << "vemlo.ini";
    expected.sort();
    EXPECT_EQ(folderEntries(folder), expected);
}

TEST_F(SaveSafetyTest, ALinkToARegularFileIsWrittenThroughAndKept)
{
    ASSERT_TRUE(QDir().mkpath(folderPath()));
    const QString target = homePath() + "/elsewhere.ini";
    writeFileBytes(target, "[Settings]\nBackground=1\n");
    ASSERT_TRUE(QFile::link(target, settingsFilePath()));
    writeBackground(3);
    EXPECT_EQ(fileBytes(target), "[Settings]\nBackground=3\n");
    EXPECT_EQ(QFileInfo(settingsFilePath()).symLinkTarget(), target);
    EXPECT_EQ(readStartup().background, 3);
}

TEST_F(SaveSafetyTest, TheFileNeverGrowsBeyondWhatCanBeReadBack)
{
    const std::string header = "[Settings]\nName=Ann\n;";
    const std::string full = header + std::string(MaxFileBytes - header.size() - 1, 'x') + "\n";
    writeSettingsFile(full);
    EXPECT_EQ(readStartup().playerName, "Ann");
    EXPECT_THROW(writePlayerName("Annabel"), WriteError);
    EXPECT_EQ(settingsFileBytes(), full);
    writePlayerName("Al");
    EXPECT_EQ(readStartup().playerName, "Al");
}

} // namespace
} // namespace quorvel::persist::testing
