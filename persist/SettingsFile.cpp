#include "SettingsFile.h"

#include "AtomicFile.h"
#include "RegularFile.h"
#include "WriteError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <chrono>

namespace quorvel::persist {
namespace {

constexpr char FolderName[] = "quorvel";
constexpr char LockSuffix[] = ".lock";
// Another copy of the game holds the lock only for the moment of a save; a
// longer wait would only freeze the window.
constexpr std::chrono::milliseconds LockTimeout(1500);
// A lock whose process is gone is taken over at once. One left empty by a
// copy killed while taking it names no process, so only its age tells; a
// live copy's lock is never taken over, however old, since that copy still
// holds the file lock on it.
constexpr std::chrono::milliseconds StaleLockAge(1000);

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace

QString SettingsFilePath()
{
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return configHome + '/' + FolderName + '/' + FileName;
}

IniDocument ReadSettingsFile()
{
    const FileContents file = ReadRegularFile(LocalPath(SettingsFilePath()));
    return file.state == FileState::Read ? IniDocument(file.bytes) : IniDocument();
}

// A file that is there but cannot be read stops the save: writing over it
// would lose the table it holds. A change that would make the file too big
// to read back is refused as well.
void ModifySettingsFile(const std::function<void(IniDocument&)>& change)
{
    const QString path = SettingsFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw WriteError();
    QLockFile lock(path + LockSuffix);
    lock.setStaleLockTime(StaleLockAge);
    if (!lock.tryLock(LockTimeout))
        throw WriteError();
    const std::optional<std::string> place = SavePlace(LocalPath(path));
    if (!place || !RemoveLeftovers(*place))
        throw WriteError();
    const FileContents file = ReadRegularFile(*place);
    if (file.state == FileState::Unreadable)
        throw WriteError();
    IniDocument document(file.bytes);
    change(document);
    const std::string bytes = document.Bytes();
    if (bytes.size() > MaxFileBytes || !ReplaceFile(*place, bytes))
        throw WriteError();
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
