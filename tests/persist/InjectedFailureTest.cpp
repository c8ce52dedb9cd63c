#include "ConfigHome.h"
#include "ProbeRun.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace quorvel::persist::testing {
namespace {

// A kind of system call made to fail by the shim, or a limit on the size of
// any file written, as `ulimit -f` sets it; the file is larger. Where the
// file system gives no lock, the save goes through all the same.
struct Failure {
    const char* variable;
    const char* value;
    bool saved = false;
};

const Failure Failures[] = {
    {"FAIL_CALL", "open"}, {"FAIL_CALL", "write"}, {"FAIL_CALL", "sync"}, {"FAIL_CALL", "rename"},
    {"FAIL_CALL", "lock"}, {"FILE_SIZE_LIMIT", "1024"},
    {"FAIL_CALL", "flock-enolck", true}, {"FAIL_CALL", "flock-eopnotsupp", true},
};

// Line 10 below any game's score, so that every game ends in the name
// entry; a saved difficulty the start-up writes back as well as the
// background. Start-up writes nothing when that leaves the file as it is, so
// to meet the failure the file lacks the background it writes back.
std::string savedFile(bool startUp)
{
    return std::string(startUp ? "[Settings]\nBlocks=9\n" : "[Settings]\nBlocks=9\nBackground=1\n") +
           "Name=Ann\n;" + std::string(1024, '.') + "\n" +
           scoreLinesFile([](int line) { return line == 10 ? -5 : 1000 - 10 * line; });
}

class InjectedFailureTest : public ConfigHomeTest {
protected:
    // Each failure makes the action refuse once and change nothing, the
    // game still running, or lets it save and leave nothing else behind.
    // During start-up the call fails from the first save on; for any other
    // action only once the window is up.
    void expectEveryFailureHandled(const QString& action, const QString& refusedState, const QString& savedState)
    {
        for (const auto& [variable, value, saved] : Failures) {
            SCOPED_TRACE(value);
            ASSERT_TRUE(QDir(homePath()).removeRecursively());
            writeSettingsFile(savedFile(action == "startup"));
            const std::string before = treeSnapshot(homePath());
            QProcessEnvironment failing;
            failing.insert("LD_PRELOAD", FAULT_SHIM);
            // A sanitizer build wants its runtime first among the libraries;
            // the shim must come first to stand in for the C library.
            failing.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":verify_asan_link_order=0");
            failing.insert(action == "startup" ? variable : variable + QString("_AFTER_START"), value);

            const QStringList report = runProbe(homePath(), action, failing);
            if (report.isEmpty()) {
                ADD_FAILURE() << "the probe did not finish";
                continue;
            }
            EXPECT_EQ(messagesSaying(report, UnableToWrite), saved ? 0 : 1);
            if (saved) {
                EXPECT_NE(treeSnapshot(homePath()), before);
                EXPECT_EQ(folderEntries(folderPath()), QStringList{"vemlo.ini"});
            } else {
                EXPECT_EQ(treeSnapshot(homePath()), before);
                EXPECT_EQ(valueOf(report, "line10"), QString("P10|Medium|-5|-5"));
            }
            const QString& state = saved ? savedState : refusedState;
            EXPECT_EQ(valueOf(report, state.section(' ', 0, 0)), state.section(' ', 1));
        }
    }
};

TEST_F(InjectedFailureTest, StartUpWriteBack)
{
    expectEveryFailureHandled("startup", "level Wicked", "background 0 0");
}

TEST_F(InjectedFailureTest, BackgroundChoice)
{
    expectEveryFailureHandled("background", "background 1 1", "background 2 2");
}

TEST_F(InjectedFailureTest, DifficultyChoice)
{
    expectEveryFailureHandled("difficulty", "level Wicked", "level Hard");
}

TEST_F(InjectedFailureTest, NameEntry)
{
    expectEveryFailureHandled("name", "nameentry open", "line10 Grace|Wicked|0|0");
}

// The game itself, started as a shell leaves it after `ulimit -f`: the
// signal that enforces the limit at its default, the standard error
// appended to a log already past the limit, and Qt warning at start-up as it
// does where XDG_RUNTIME_DIR is not set. Its first save makes the settings
// folder, after those warnings went out; then it shows its window (or the
// box saying it cannot save) and lives on until it is told to end.
TEST_F(InjectedFailureTest, TheGameOutlivesAFileSizeLimitSetBeforeItStarts)
{
    constexpr int LongestStartMs = 20000;
    constexpr int LookEveryMs = 50;
    constexpr int ShowWindowMs = 1000;
    QTemporaryDir logFolder;
    writeFileBytes(logFolder.filePath("errors.log"), std::string(2048, '.') + "\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    environment.insert("XDG_CONFIG_HOME", homePath());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess game;
    game.setProcessEnvironment(environment);
    game.setStandardErrorFile(logFolder.filePath("errors.log"), QIODevice::Append);
    // Where the limit cannot be set, the game ends at once and the test fails.
    game.setChildProcessModifier([] {
        const rlimit limited{0, 0};
        if (std::signal(SIGXFSZ, SIG_DFL) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limited) != 0)
            _exit(EXIT_FAILURE);
    });
    game.start(QUORVEL_GAME, {});
    ASSERT_TRUE(game.waitForStarted());
    for (int waited = 0; waited < LongestStartMs && !QFileInfo::exists(folderPath()); waited += LookEveryMs)
        if (game.waitForFinished(LookEveryMs))
            break;
    game.waitForFinished(ShowWindowMs);
    game.terminate();
    if (!game.waitForFinished(LongestStartMs)) {
        game.kill();
        game.waitForFinished();
    }
    EXPECT_EQ(game.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(game.exitCode(), SIGTERM) << "ended by signal " << game.exitCode() << ", not by the test's SIGTERM";
}

} // namespace
} // namespace quorvel::persist::testing
