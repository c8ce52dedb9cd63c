#include "ConfigHome.h"
#include "ProbeRun.h"
#include "SettingsFile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quorvel::persist::testing {
namespace {

// A kind of system call made to fail by the shim, the lock taken by another
// copy just before it is flocked, or a limit on the size of any file
// written, as `ulimit -f 1` sets it; the file is larger.
struct Failure {
    const char* variable;
    const char* value;
};

const Failure Failures[] = {
    {"FAIL_CALL", "open"}, {"FAIL_CALL", "write"}, {"FAIL_CALL", "sync"}, {"FAIL_CALL", "rename"},
    {"FAIL_CALL", "lock"}, {"FAIL_CALL", "lock-race"}, {"FILE_SIZE_LIMIT", "1024"},
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
    // game still running.
    // During start-up the call fails from the first save on; for any other
    // action only once the window is up.
    void expectEveryFailureRefusedOnce(const QString& action, const QString& state)
    {
        for (const auto& [variable, value] : Failures) {
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
            EXPECT_EQ(messagesSaying(report, UnableToWrite), 1);
            EXPECT_EQ(treeSnapshot(homePath()), before);
            EXPECT_EQ(valueOf(report, "line10"), QString("P10|Medium|-5|-5"));
            EXPECT_EQ(valueOf(report, state.section(' ', 0, 0)), state.section(' ', 1));
        }
    }
};

TEST_F(InjectedFailureTest, StartUpWriteBack)
{
    expectEveryFailureRefusedOnce("startup", "level Wicked");
}

TEST_F(InjectedFailureTest, BackgroundChoice)
{
    expectEveryFailureRefusedOnce("background", "background 1 1");
}

TEST_F(InjectedFailureTest, DifficultyChoice)
{
    expectEveryFailureRefusedOnce("difficulty", "level Wicked");
}

TEST_F(InjectedFailureTest, NameEntry)
{
    expectEveryFailureRefusedOnce("name", "nameentry open");
}

} // namespace
} // namespace quorvel::persist::testing
