#include "ConfigHome.h"
#include "RegularFile.h"
#include "Settings.h"
#include "SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel::persist::testing {
namespace {

using SaveSafetyTest = ConfigHomeTest;

// Generous, but far below the half minute an abandoned lock used to cost.
constexpr qint64 LongestLockWaitMs = 3000;

QString LockPath()
{
    return SettingsFilePath() + ".lock";
}

// A lock taken by a process that then dies without giving it back.
void LeaveLockOfDeadProcess()
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(LockPath());
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(LockPath()));
}

TEST_F(SaveSafetyTest, ALockNobodyHoldsBlocksASaveOnlyBriefly)
{
    const std::pair<const char*, std::function<void()>> leftovers[] = {
        {"empty lock file", [this] { WriteFileBytes(LockPath(), ""); }},
        {"lock of a dead process", [] { LeaveLockOfDeadProcess(); }},
        {"lock naming no process", [this] { WriteFileBytes(LockPath(), "garbage\n"); }},
        {"helper of a lock takeover killed midway", [this] { WriteFileBytes(LockPath() + ".rmlock", ""); }},
        {"chain of such helpers",
            [this] {
                for (const char* helper : {".rmlock", ".rmlock.rmlock", ".rmlock.rmlock.rmlock"})
                    WriteFileBytes(LockPath() + helper, "");
                WriteFileBytes(LockPath(), "");
            }},
    };
    for (const auto& [title, leave] : leftovers) {
        SCOPED_TRACE(title);
        WriteSettingsFile("[Settings]\nBackground=1\n");
        leave();
        QElapsedTimer waited;
        waited.start();
        EXPECT_NO_THROW(WriteBackground(2));
        EXPECT_LT(waited.elapsed(), LongestLockWaitMs);
        EXPECT_EQ(SettingsFileBytes(), "[Settings]\nBackground=2\n");
        EXPECT_EQ(FolderEntries(FolderPath()), QStringList{"vemlo.ini"});
    }
}

TEST_F(SaveSafetyTest, ALiveCopysLockIsRespectedHoweverOld)
{
    WriteSettingsFile("[Settings]\nBackground=1\n");
    QLockFile otherCopy(LockPath());
    ASSERT_TRUE(otherCopy.tryLock(0));
    QFile lockFile(LockPath());
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    lockFile.close();
    EXPECT_THROW(WriteBackground(2), WriteError);
    EXPECT_EQ(SettingsFileBytes(), "[Settings]\nBackground=1\n");
    // A save that would change nothing neither waits for the lock nor
    // replaces the file.
    struct stat before {}, after {};
    ASSERT_EQ(stat(QFile::encodeName(SettingsFilePath()).constData(), &before), 0);
    EXPECT_NO_THROW(WriteBackground(1));
    ASSERT_EQ(stat(QFile::encodeName(SettingsFilePath()).constData(), &after), 0);
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
    const QString file = HomePath() + "/kept.ini";
    const QByteArray path = QFile::encodeName(file);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::oct << c.mode << (c.strangersFile ? " stranger's" : " ours"));
        if (c.strangersFile && geteuid() != 0)
            continue;
        WriteFileBytes(file, "");
        ASSERT_EQ(chown(path.constData(), c.strangersFile ? Stranger : geteuid(), c.ourGroup ? getegid() : Stranger), 0);
        ASSERT_EQ(chmod(path.constData(), c.mode), 0);
        EXPECT_EQ(MayWrite(path.toStdString()), c.writable);
        ASSERT_EQ(unlink(path.constData()), 0);
    }
    EXPECT_TRUE(MayWrite(path.toStdString()));
}

TEST_F(SaveSafetyTest, LeftoversOfKilledSavesGoAndNothingElse)
{
    WriteSettingsFile("[Settings]\nBackground=1\n");
    const QString folder = FolderPath();
    const QStringList kept = {"vemlo.ini.backup", "vemlo.ini.saving-toolong", "vemlo.ini.saving-ab_123",
                              "vemlo.ini.saving-dir123"};
    for (const QString& name : kept.mid(0, 3))
        WriteFileBytes(folder + '/' + name, "mine\n");
    ASSERT_TRUE(QDir().mkpath(folder + "/" + kept[3]));
    for (const char* name : {"vemlo.ini.saving-Ab3xYZ", "vemlo.ini.saving-000000"})
        WriteFileBytes(folder + '/' + name, "[Settings]\nBackground=4\n");
    WriteBackground(2);
    QStringList expected = kept;
    expected << "vemlo.ini";
    expected.sort();
    EXPECT_EQ(FolderEntries(folder), expected);
}

TEST_F(SaveSafetyTest, ALinkToARegularFileIsWrittenThroughAndKept)
{
    ASSERT_TRUE(QDir().mkpath(FolderPath()));
    const QString target = HomePath() + "/elsewhere.ini";
    WriteFileBytes(target, "[Settings]\nBackground=1\n");
    ASSERT_TRUE(QFile::link(target, SettingsFilePath()));
    WriteBackground(3);
    EXPECT_EQ(FileBytes(target), "[Settings]\nBackground=3\n");
    EXPECT_EQ(QFileInfo(SettingsFilePath()).symLinkTarget(), target);
    EXPECT_EQ(ReadStartup().background, 3);
}

TEST_F(SaveSafetyTest, TheFileNeverGrowsBeyondWhatCanBeReadBack)
{
    const std::string header = "[Settings]\nName=Ann\n;";
    const std::string full = header + std::string(MaxFileBytes - header.size() - 1, 'x') + "\n";
    WriteSettingsFile(full);
    EXPECT_EQ(ReadStartup().playerName, "Ann");
    EXPECT_THROW(WritePlayerName("Annabel"), WriteError);
    EXPECT_EQ(SettingsFileBytes(), full);
    WritePlayerName("Al");
    EXPECT_EQ(ReadStartup().playerName, "Al");
}

} // namespace
} // namespace quorvel::persist::testing
