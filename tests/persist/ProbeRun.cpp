#include "ProbeRun.h"

#include "ConfigHome.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace quorvel::persist::testing {
namespace {

// Far longer than a start-up takes; a FIFO or an endless device that hangs
// or floods the reader never gets there.
constexpr int LongestRunMs = 20000;

std::string describe(const QString& path)
{
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0)
        return "gone";
    if (S_ISLNK(info.st_mode))
        return "link to " + QFile::symLinkTarget(path).toStdString();
    if (S_ISFIFO(info.st_mode))
        return "fifo";
    if (S_ISCHR(info.st_mode))
        return "device " + std::to_string(major(info.st_rdev)) + "," + std::to_string(minor(info.st_rdev));
    if (S_ISDIR(info.st_mode))
        return "folder";
    return "file " + fileBytes(path).value_or("<unreadable>");
}

} // namespace

QStringList runProbe(const QString& home, const QString& action, const QProcessEnvironment& extra)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", home);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert(extra);
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(SETTINGS_PROBE, {action});
    if (!probe.waitForFinished(LongestRunMs)) {
        probe.kill();
        probe.waitForFinished();
        return {};
    }
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return {};
    return QString::fromUtf8(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QString valueOf(const QStringList& report, const QString& key)
{
    for (const QString& line : report)
        if (line.startsWith(key + ' '))
            return line.mid(key.size() + 1);
    return QStringLiteral("<absent>");
}

int messagesSaying(const QStringList& report, const QString& text)
{
    return static_cast<int>(report.count("message " + text));
}

std::string treeSnapshot(const QString& root)
{
    std::string snapshot;
    QDirIterator entries(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    QStringList paths;
    while (entries.hasNext())
        paths << entries.next();
    paths.sort();
    for (const QString& path : paths)
        snapshot += path.mid(root.size()).toStdString() + ": " + describe(path) + "\n";
    return snapshot;
}

} // namespace quorvel::persist::testing
