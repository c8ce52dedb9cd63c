#include "ConfigHome.h"
#include "HighScores.h"
#include "SaveLock.h"
#include "Settings.h"
#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace quorvel::persist::testing {
namespace {

// Shorter than the file, so that the save itself hits the limit.
constexpr rlim_t FileSizeLimit = 256;

const std::string OldFile = "; kept as it is" + std::string(300, '.') +
                            "\n[Scoreline10]\nName=Old\nLevel=9\nScore=10\n[Settings]\nBackground=3\nName=Old\n";

// A disk that fills up midway through a save. Root is not exempt from it.
class FullDisk {
public:
    FullDisk()
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = FileSizeLimit;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

class WriteFailureTest : public ConfigHomeTest {
protected:
    // Everything at the folder's place: the bytes of each entry, or of the
    // regular file that stands there instead.
    std::string snapshot() const
    {
        const QFileInfo folder(folderPath());
        if (!folder.isDir())
            return "file " + fileBytes(folderPath()).value_or("<unreadable>");
        std::string listing;
        for (const QFileInfo& entry : QDir(folderPath()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
            listing += entry.fileName().toStdString() + " " + (entry.isDir() ? "<folder>" : fileBytes(entry.filePath()).value_or("<unreadable>")) + "\n";
        return listing;
    }

    std::unique_ptr<SaveLock> otherCopysLock_;
};

struct Blocker {
    const char* title;
    std::function<void()> prepare;
    bool fullDisk;
};

struct Action {
    const char* title;
    std::function<void(ScoreTable&)> run;
};

void expectRefused(const Action& action, const std::string& before, const std::function<std::string()>& snapshot, bool fullDisk)
{
    SCOPED_TRACE(action.title);
    ScoreTable original;
    for (int k = 0; k < ScoreLineCount; ++k)
        original[k] = {"Bobby", 6, 100 - 10 * k};
    ScoreTable table = original;
    try {
        std::unique_ptr<FullDisk> disk;
        if (fullDisk) {
            disk = std::make_unique<FullDisk>();
            ASSERT_TRUE(disk->active());
        }
        action.run(table);
        ADD_FAILURE() << "no error";
    } catch (const WriteError& error) {
        EXPECT_STREQ(error.what(), "Unable to write to vemlo.ini");
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(table, original);
}

TEST_F(WriteFailureTest, EveryActionThatCannotSaveChangesNothing)
{
    const Blocker blockers[] = {
        {"a regular file where the folder should be",
            [this] { writeFileBytes(homePath() + "/quorvel", "not a folder\n"); }, false},
        {"the lock held by another copy of the game",
            [this] {
                writeSettingsFile(OldFile);
                otherCopysLock_ = std::make_unique<SaveLock>(settingsFilePath().toStdString(), std::chrono::milliseconds(0));
                ASSERT_EQ(otherCopysLock_->state(), SaveLock::State::Held);
            },
            false},
        {"a disk that fills up during the save", [this] { writeSettingsFile(OldFile); }, true},
        {"a folder where the file should be", [] { ASSERT_TRUE(QDir().mkpath(settingsFilePath())); }, false},
        {"a file its player made read-only",
            [this] {
                writeSettingsFile(OldFile);
                ASSERT_EQ(chmod(QFile::encodeName(settingsFilePath()).constData(), 0444), 0);
            },
            false},
    };
    const Action actions[] = {
        {"InsertResult", [](ScoreTable& table) { InsertResult(table, "Ann", 9, 95); }},
        {"InsertResults", [](ScoreTable& table) {
            const GameResult results[] = {{9, 95}, {8, 85}};
            insertResults(table, "Ann", results);
        }},
        {"WriteBackground", [](ScoreTable&) { writeBackground(1); }},
        {"WriteBlocks", [](ScoreTable&) { writeBlocks(8); }},
        {"WritePlayerName", [](ScoreTable&) { writePlayerName("Ann"); }},
    };
    for (const Blocker& blocker : blockers) {
        SCOPED_TRACE(blocker.title);
        ASSERT_TRUE(QDir(homePath()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(homePath()));
        otherCopysLock_.reset();
        blocker.prepare();
        const std::string before = snapshot();
        for (const Action& action : actions)
            expectRefused(action, before, [this] { return snapshot(); }, blocker.fullDisk);
    }
}

TEST_F(WriteFailureTest, TheSameResultCanBeEnteredOnceTheCauseIsGone)
{
    writeSettingsFile(OldFile);
    otherCopysLock_ = std::make_unique<SaveLock>(settingsFilePath().toStdString(), std::chrono::milliseconds(0));
    ASSERT_EQ(otherCopysLock_->state(), SaveLock::State::Held);
    ScoreTable table = readStartup().table;
    EXPECT_THROW(InsertResult(table, "Ann", 9, 95), WriteError);
    otherCopysLock_.reset();
    InsertResult(table, "Ann", 9, 95);
    EXPECT_EQ(table[1].name, "Ann");
    EXPECT_EQ(table[1].score, 95);
    EXPECT_EQ(readStartup().table[1].score, 95);
}

} // namespace
} // namespace quorvel::persist::testing
