#include "SettingsFile.h"

#include "AtomicFile.h"
#include "RegularFile.h"
#include "SaveLock.h"
#include "SettingsLocation.h"
#include "WriteError.h"

#include <QFile>

#include <chrono>

namespace quorvel::persist {
namespace {

constexpr char FolderName[] = "quorvel";
// Another copy of the game holds the lock only for the few milliseconds of
// a save, so even ten copies saving at once are through well within this;
// longer would only freeze the window of a copy that cannot save.
constexpr std::chrono::milliseconds LockWait(3000);

// A save that would leave the file byte for byte as it is needs neither the
// lock nor a write; the options applied again at every start are such saves.
// Reading outside the lock is safe: a file is only ever replaced whole.
bool LeavesFileAsItIs(const std::string& place, const std::function<void(IniDocument&)>& change)
{
    const FileContents file = ReadRegularFile(place);
    if (file.state != FileState::Read || !MayWrite(place))
        return false;
    IniDocument document(file.bytes);
    change(document);
    return document.Bytes() == file.bytes;
}

} // namespace

std::optional<std::string> SettingsFileBytePath()
{
    return SettingsFileLocation(FolderName, FileName);
}

QString SettingsFilePath()
{
    const std::optional<std::string> path = SettingsFileBytePath();
    return path ? QFile::decodeName(QByteArray::fromStdString(*path)) : QString();
}

IniDocument ReadSettingsFile()
{
    const std::optional<std::string> path = SettingsFileBytePath();
    const FileContents file = path ? ReadRegularFile(*path) : FileContents{};
    return file.state == FileState::Read ? IniDocument(file.bytes) : IniDocument();
}

// The lock belongs to the file itself, beside it after following any link,
// so that every copy writing one file waits for every other, whichever
// configuration folder it came through. A file that is there but cannot be
// read stops the save: writing over it would lose the table it holds. A
// change that would make the file too big to read back is refused as well.
// So is a save of a file with a second name (a hard link): a new file put in
// its place would leave each name its own table. Rewriting it in place would
// keep one file, but a copy reading it without the lock, or a crash midway,
// could then meet half a table; only a whole replacement rules both out. Nor
// would copies saving through names in two folders wait for each other, each
// taking the lock beside its own name. A symbolic link shares one file safely.
void ModifySettingsFile(const std::function<void(IniDocument&)>& change)
{
    const std::optional<std::string> path = SettingsFileBytePath();
    if (!path || !MakeFolders(FolderOf(*path)))
        throw WriteError();
    const std::optional<std::string> place = SavePlace(*path);
    if (!place)
        throw WriteError();
    if (LeavesFileAsItIs(*place, change))
        return;
    const SaveLock lock(*place, LockWait);
    if (!lock.Held() || SavePlace(*path) != place || !MayWrite(*place) || !HasOneName(*place) ||
        !RemoveLeftovers(*place))
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
