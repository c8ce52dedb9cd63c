#include "ConfigHome.h"
#include "ProbeRun.h"

#include <gtest/gtest.h>

namespace quorvel::persist::testing {
namespace {

using SecondCopyTest = ConfigHomeTest;

TEST_F(SecondCopyTest, TheNameEntryKeepsTheOtherCopysResultAndShowsWhatWasWritten)
{
    // Every game's end qualifies, the probe's own ending with 0 points.
    writeSettingsFile(scoreLinesFile([](int line) { return -line; }));
    const QStringList report = runProbe(homePath(), "name-after-other-copy");
    ASSERT_FALSE(report.isEmpty()) << "the probe did not finish";
    EXPECT_EQ(messagesSaying(report, UnableToWrite), 0);
    EXPECT_EQ(valueOf(report, "nameentry"), QString("closed"));
    EXPECT_EQ(valueOf(report, "line1"), QString("Other|Hard|5000|5000"));
    EXPECT_EQ(valueOf(report, "line2"), QString("Grace|Medium|0|0"));
    for (int k = 3; k <= 10; ++k)
        EXPECT_EQ(valueOf(report, "line" + QString::number(k)),
                  QString("P%1|Medium|%2|%2").arg(k - 2).arg(2 - k)) << k;
    const std::string file = settingsFileBytes().value_or("");
    EXPECT_NE(file.find("[Scoreline1]\nName=Other\nLevel=8\nScore=5000\n"), std::string::npos);
    EXPECT_NE(file.find("[Scoreline2]\nName=Grace\nLevel=7\nScore=0\n"), std::string::npos);
}

} // namespace
} // namespace quorvel::persist::testing
