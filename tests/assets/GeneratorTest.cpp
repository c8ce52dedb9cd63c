#include "PictureMeasures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace quorvel::testing {
namespace {

constexpr int GeneratorTimeoutMs = 300000;
constexpr int BadUsage = 2;
constexpr int Failure = 1;

struct GeneratorRun {
    bool finished;
    int exitCode;
    std::string complaint;
};

GeneratorRun runGenerator(const QStringList& arguments)
{
    QProcess generator;
    generator.start(QStringLiteral(QUORVEL_ASSETGEN), arguments);
    const bool finished = generator.waitForFinished(GeneratorTimeoutMs) && generator.exitStatus() == QProcess::NormalExit;
    return {finished, generator.exitCode(), generator.readAllStandardError().toStdString()};
}

std::set<QString> filesUnder(const QString& folder, const QStringList& patterns)
{
    std::set<QString> files;
    const QDir root(folder);
    QDirIterator it(folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(root.relativeFilePath(it.next()));
    return files;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Generator, RedrawsTheCommittedFilesPixelForPixel)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    const GeneratorRun run = runGenerator({output.path()});
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.complaint;

    const QStringList everything{QStringLiteral("*")};
    const std::set<QString> written = filesUnder(output.path(), everything);
    const std::set<QString> committedPictures = filesUnder(QStringLiteral(QUORVEL_ASSETS_DIR), {QStringLiteral("*.png")});
    EXPECT_EQ(filesUnder(output.path(), {QStringLiteral("*.png")}), committedPictures);
    EXPECT_EQ(written.size(), committedPictures.size() + 3) << "the pictures, the two resource collections and the scalable icon";

    for (const QString& name : written) {
        SCOPED_TRACE(name.toStdString());
        const QString fresh = QDir(output.path()).filePath(name);
        if (!name.endsWith(QLatin1String(".png"))) {
            const QByteArray committed = contents(QStringLiteral(QUORVEL_ASSETS_DIR "/") + name);
            EXPECT_FALSE(committed.isEmpty());
            EXPECT_EQ(contents(fresh), committed);
            continue;
        }
        const QImage drawn = QImage(fresh).convertToFormat(QImage::Format_ARGB32);
        const QImage committed = committedPicture(name);
        ASSERT_EQ(drawn.size(), committed.size());
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                ASSERT_EQ(drawn.pixel(x, y), committed.pixel(x, y)) << "first difference at " << x << "," << y;
    }
}

TEST(Generator, ReportsMisuseAndFailureByItsExitCode)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QFile blocker(scratch.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{}, BadUsage},
        {{QStringLiteral("--sheet")}, BadUsage},
        {{QStringLiteral("one"), QStringLiteral("two")}, BadUsage},
        {{QStringLiteral("--help")}, 0},
        {{blocker.fileName()}, Failure},
    };
    for (const Case& c : cases) {
        const GeneratorRun run = runGenerator(c.arguments);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(QLatin1Char(' ')).toStdString();
    }
}

} // namespace
} // namespace quorvel::testing
