#include "ConfigHome.h"
#include "HighScores.h"
#include "SaveLock.h"
#include "Settings.h"
#include "ScoreLineFile.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <random>
#include <vector>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel::persist::testing {
namespace {

constexpr int KillsWanted = 200;
constexpr int ResultsPerCopy = 60;
constexpr int32_t FirstScore = 1000;

using Save = std::function<void()>;

// Runs `body` in a child process; the child's exit status says whether it
// succeeded.
pid_t runInChild(const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body() ? 0 : 1);
    return child;
}

bool succeeds(const Save& save)
{
    try {
        save();
        return true;
    } catch (const WriteError&) {
        return false;
    }
}

QString resultName(int32_t score)
{
    return "P" + QString::number(score);
}

using CrashTest = ConfigHomeTest;

// Save number n of the child: odd ones enter a result above every earlier
// one, even ones save a player name.
void childSave(int n)
{
    ScoreTable table{};
    if (n % 2 == 1)
        InsertResult(table, resultName(FirstScore + n), 7, FirstScore + n);
    else
        writePlayerName("N" + QString::number(n));
}

// The file after the child's saves up to number `last`, made from the file
// as the round began. Every save only changes values of keys that are
// already there, so the same changes made in memory give the same bytes.
std::string fileAfterSaves(const std::string& start, int first, int last)
{
    IniDocument document(start);
    std::vector<ScoreEntry> table;
    for (int k = 0; k < ScoreLineCount; ++k)
        table.push_back(readScoreLine(document, k + 1));
    for (int n = first; n <= last; ++n) {
        if (n % 2 == 0) {
            setText(document, "Settings", "Name", "N" + QString::number(n));
            continue;
        }
        table.insert(table.begin(), {resultName(FirstScore + n), 7, FirstScore + n});
        table.pop_back();
        for (int k = 0; k < ScoreLineCount; ++k)
            writeScoreLine(document, k + 1, table[k]);
    }
    return document.bytes();
}

// Saves as fast as it can and tells the parent of each one done, until it
// is killed.
[[noreturn]] void saveUntilKilled(int first, int report)
{
    for (int n = first;; ++n) {
        if (!succeeds([n] { childSave(n); }) || write(report, "+", 1) != 1)
            _exit(1);
    }
}

TEST_F(CrashTest, ASaveKilledAtAnyMomentLeavesTheOldFileOrTheNewOne)
{
    ScoreTable table{};
    ASSERT_TRUE(succeeds([&] { InsertResult(table, "Start", 6, 5); }));
    ASSERT_TRUE(succeeds([] { writePlayerName("Start"); }));
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(succeeds([] { childSave(1); }));
    const int64_t longestWait = timer.nsecsElapsed() / 1000 * 4;
    std::mt19937 random(20261207);
    int next = 3;
    for (int kill = 0; kill < KillsWanted; ++kill) {
        SCOPED_TRACE(kill);
        const std::string start = settingsFileBytes().value_or("<none>");
        int report[2];
        ASSERT_EQ(pipe(report), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveUntilKilled(next, report[1]);
        ASSERT_EQ(close(report[1]), 0);
        usleep(static_cast<useconds_t>(std::uniform_int_distribution<int64_t>(0, longestWait)(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        char reports[4096];
        const ssize_t done = read(report[0], reports, sizeof reports);
        ASSERT_GE(done, 0);
        ASSERT_EQ(close(report[0]), 0);

        const std::string found = settingsFileBytes().value_or("<none>");
        const int old = next + static_cast<int>(done) - 1;
        const bool whole = found == fileAfterSaves(start, next, old);
        ASSERT_TRUE(whole || found == fileAfterSaves(start, next, old + 1)) << found;
        next = whole ? old + 1 : old + 2;
        ASSERT_TRUE(succeeds([kill] { writeBackground(kill % 5); }));
        ASSERT_EQ(folderEntries(folderPath()), QStringList{"vemlo.ini"});
    }
}

// Each copy enters its results one after another, with the table it last
// saw, as a player running several copies would. A copy waits its turn while
// another saves, so no save may fail.
bool enterResults(int copy, int copies)
{
    ScoreTable table = readStartup().table;
    for (int i = 0; i < ResultsPerCopy; ++i) {
        const int32_t score = FirstScore + copies * i + copy;
        if (!succeeds([&] { InsertResult(table, resultName(score), 7, score); }))
            return false;
        int found = 0;
        for (const ScoreEntry& line : table)
            found += line.name == resultName(score) ? 1 : 0;
        if (found != (score >= table.back().score ? 1 : 0))
            return false;
    }
    return true;
}

// A folder of its own for a copy, whose settings file is a link to the
// first folder's, as the README allows.
QString linkedHome(const QString& home, int copy)
{
    const QString own = home + "/copy" + QString::number(copy);
    const QString folder = own + "/quorvel";
    EXPECT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(QFile::link(settingsFilePath(), folder + "/vemlo.ini"));
    return own;
}

// Accounts that share a group, each with a group of its own as its first,
// as most systems make them. Only root can become them.
constexpr gid_t SharedGroup = 47000;
constexpr uid_t Accounts[] = {47001, 47002, 47003};

bool becomeAccount(uid_t account)
{
    return setgroups(1, &SharedGroup) == 0 && setresgid(account, account, account) == 0 &&
           setresuid(account, account, account) == 0;
}

// The file belongs to the first account and its group may read it, in a
// folder without the set-group-ID bit. A copy of the first account is killed
// while it holds the lock; then the owner lets the group write the file too.
// An earlier version's lock, which the owner may have left for itself alone,
// stays behind when `oldLock` says so.
void shareBetweenAccounts(const QString& home, const QString& folder, const QString& file, bool oldLock)
{
    ASSERT_EQ(chmod(QFile::encodeName(home).constData(), 0711), 0);
    ASSERT_EQ(chown(QFile::encodeName(folder).constData(), 0, SharedGroup), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0770), 0);
    ASSERT_EQ(chown(QFile::encodeName(file).constData(), Accounts[0], SharedGroup), 0);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0640), 0);
    const pid_t killed = runInChild([&] {
        if (!becomeAccount(Accounts[0]))
            return false;
        const SaveLock lock(file.toStdString(), std::chrono::milliseconds(0));
        return lock.state() == SaveLock::State::Held && raise(SIGKILL) == 0;
    });
    int status = 0;
    ASSERT_EQ(waitpid(killed, &status, 0), killed);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0660), 0);
    if (!oldLock)
        return;
    const QByteArray lock = QFile::encodeName(file + ".lock");
    writeFileBytes(file + ".lock", "");
    ASSERT_EQ(chown(lock.constData(), Accounts[0], Accounts[0]), 0);
    ASSERT_EQ(chmod(lock.constData(), 0600), 0);
}

TEST_F(CrashTest, CopiesEnteringResultsAtOnceLoseNoneAndMixNone)
{
    const struct {
        const char* title;
        int copies;
        bool ownFolders;
        bool otherAccounts;
        bool oldLock;
    } cases[] = {
        {"two copies", 2, false, false, false},
        {"ten copies", 10, false, false, false},
        {"five copies, each through a folder of its own", 5, true, false, false},
        {"four copies of two other accounts of the owner's group", 4, false, true, false},
        {"four copies of other accounts, the owner's old lock left", 4, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        if (c.otherAccounts && geteuid() != 0)
            continue;
        ASSERT_TRUE(QDir(homePath()).removeRecursively());
        writeSettingsFile("");
        if (c.otherAccounts)
            shareBetweenAccounts(homePath(), folderPath(), settingsFilePath(), c.oldLock);
        struct stat before {};
        ASSERT_EQ(stat(QFile::encodeName(settingsFilePath()).constData(), &before), 0);
        std::vector<QString> homes(c.copies, homePath());
        for (int copy = 0; copy < c.copies && c.ownFolders; ++copy)
            homes[copy] = linkedHome(homePath(), copy);
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        std::vector<pid_t> copies;
        for (int copy = 0; copy < c.copies; ++copy) {
            copies.push_back(runInChild([&, copy] {
                char go = 0;
                close(ready[1]);
                return qputenv("XDG_CONFIG_HOME", QFile::encodeName(homes[copy])) &&
                       (!c.otherAccounts || becomeAccount(Accounts[1 + copy % 2])) && read(ready[0], &go, 1) == 0 &&
                       enterResults(copy, c.copies);
            }));
            ASSERT_GT(copies.back(), 0);
        }
        close(ready[0]);
        close(ready[1]);
        for (const pid_t copy : copies) {
            int status = 0;
            ASSERT_EQ(waitpid(copy, &status, 0), copy);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const ScoreTable lines = readStartup().table;
        for (int k = 0; k < ScoreLineCount; ++k) {
            const int32_t best = FirstScore + c.copies * ResultsPerCopy - 1 - k;
            EXPECT_EQ(lines[k].score, best) << k;
            EXPECT_EQ(lines[k].name, resultName(best)) << k;
        }
        struct stat after {};
        ASSERT_EQ(stat(QFile::encodeName(settingsFilePath()).constData(), &after), 0);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(folderEntries(folderPath()), QStringList{"vemlo.ini"});
    }
}

} // namespace
} // namespace quorvel::persist::testing
