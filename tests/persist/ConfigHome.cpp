#include "ConfigHome.h"

#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvel::persist::testing {
namespace {

constexpr char ConfigHomeVariable[] = "XDG_CONFIG_HOME";

} // namespace

void ConfigHomeTest::SetUp()
{
    ASSERT_TRUE(home_.isValid());
    if (qEnvironmentVariableIsSet(ConfigHomeVariable))
        previousHome_ = qgetenv(ConfigHomeVariable);
    ASSERT_TRUE(qputenv(ConfigHomeVariable, home_.path().toLocal8Bit()));
}

void ConfigHomeTest::TearDown()
{
    if (previousHome_)
        qputenv(ConfigHomeVariable, *previousHome_);
    else
        qunsetenv(ConfigHomeVariable);
}

QString ConfigHomeTest::folderPath() const
{
    return QFileInfo(settingsFilePath()).absolutePath();
}

void ConfigHomeTest::writeSettingsFile(std::string_view bytes) const
{
    ASSERT_TRUE(QDir().mkpath(folderPath()));
    writeFileBytes(settingsFilePath(), bytes);
}

std::optional<std::string> ConfigHomeTest::settingsFileBytes() const
{
    return fileBytes(settingsFilePath());
}

void writeFileBytes(const QString& path, std::string_view bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    ASSERT_TRUE(file.flush());
}

std::optional<std::string> fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

std::string scoreLinesFile(const std::function<int32_t(int line)>& score)
{
    std::string file;
    for (int k = 1; k <= 10; ++k)
        file += "[Scoreline" + std::to_string(k) + "]\nName=P" + std::to_string(k) + "\nLevel=7\nScore=" +
                std::to_string(score(k)) + "\n";
    return file;
}

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace quorvel::persist::testing

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
