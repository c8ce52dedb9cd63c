#include "ConfigHome.h"
#include "ProbeRun.h"
#include "SettingsFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quorvel::persist::testing {
namespace {

// A kind of system call made to fail by the shim, or a limit on the size of
// any file written, as `ulimit -f` sets it; the file is larger. Set before
// the game starts, with the standard error going to a log already past it,
// the limit meets Qt's warnings first. Where the file system gives no lock,
// the save goes through all the same.
struct Failure {
    const char* variable;
    const char* value;
    bool saved = false;
};

const Failure Failures[] = {
    {"FAIL_CALL", "open"}, {"FAIL_CALL", "write"}, {"FAIL_CALL", "sync"}, {"FAIL_CALL", "rename"},
    {"FAIL_CALL", "lock"}, {"FILE_SIZE_LIMIT", "1024"}, {"FILE_SIZE_LIMIT_AT_EXEC", "0"},
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
            const bool atExec = QByteArray(variable).endsWith("_AT_EXEC");
            failing.insert(action == "startup" || atExec ? variable : variable + QString("_AFTER_START"), value);
            QTemporaryDir logFolder;
            if (atExec) {
                writeFileBytes(logFolder.filePath("errors.log"), "an earlier session's warnings\n");
                failing.insert("ERROR_LOG", logFolder.filePath("errors.log"));
                // Qt then warns at start-up, as it does under su or ssh.
                failing.insert("XDG_RUNTIME_DIR", "");
            }

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

} // namespace
} // namespace quorvel::persist::testing
