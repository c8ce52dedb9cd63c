#include "SettingsFile.h"

#include "WriteError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace quorvel::persist {
namespace {

constexpr char FolderName[] = "quorvel";
constexpr char LockSuffix[] = ".lock";
// Another copy of the game holds the lock only for the moment of a save; a
// longer wait would only freeze the window.
constexpr int LockTimeoutMs = 1000;

std::optional<IniDocument> ReadDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return IniDocument(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Inside an action a file that exists but cannot be read must stop the
// save: writing over it would lose the table it holds.
IniDocument ReadForChange(const QString& path)
{
    if (!QFileInfo::exists(path))
        return IniDocument();
    auto document = ReadDocument(path);
    if (!document)
        throw WriteError();
    return std::move(*document);
}

// Unbuffered, because a write error that only shows when commit() flushes
// its buffer is not noticed there, and a cut-off file would replace the old
// one.
void Commit(const QString& path, const std::string& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw WriteError();
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size)
        throw WriteError();
    if (!file.commit())
        throw WriteError();
}

} // namespace

QString SettingsFilePath()
{
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return configHome + '/' + FolderName + '/' + FileName;
}

IniDocument ReadSettingsFile()
{
    return ReadDocument(SettingsFilePath()).value_or(IniDocument());
}

void ModifySettingsFile(const std::function<void(IniDocument&)>& change)
{
    const QString path = SettingsFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw WriteError();
    QLockFile lock(path + LockSuffix);
    if (!lock.tryLock(LockTimeoutMs))
        throw WriteError();
    IniDocument document = ReadForChange(path);
    change(document);
    Commit(path, document.Bytes());
}

QString TextOr(const IniDocument& document, std::string_view section, std::string_view key, const QString& fallback)
{
    const auto text = document.Text(section, key);
    return text ? QString::fromStdString(*text) : fallback;
}

void SetText(IniDocument& document, std::string_view section, std::string_view key, const QString& text)
{
    document.SetText(section, key, text.toStdString());
}

} // namespace quorvel::persist
