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
// a save. When it lets go, the kernel wakes every waiting copy and they race
// for the lock: no queue gives them turns. Their turns come from this rule:
// a save waits as long as other copies keep saving, however many and however
// loaded the machine, so a copy that loses the race again and again still
// gets its turn. Only a copy that holds the lock and saves nothing for this
// long (a stopped program, a stalled disk) makes it give up, and its player
// then learns that the save failed. Longer would only freeze the window
// longer.
constexpr std::chrono::milliseconds LockWait(5000);

// A save that would leave the file byte for byte as it is needs neither the
// lock nor a write; the options applied again at every start are such saves.
// Reading outside the lock is safe: a file is only ever replaced whole.
bool leavesFileAsItIs(const std::string& place, const std::function<void(IniDocument&)>& change)
{
    const FileContents file = readRegularFile(place);
    if (file.state != FileState::Read || !mayWrite(place))
        return false;
    IniDocument document(file.bytes);
    change(document);
    return document.bytes() == file.bytes;
}

} // namespace

std::optional<std::string> settingsFileBytePath()
{
    return settingsFileLocation(FolderName, FileName);
}

QString settingsFilePath()
{
    const std::optional<std::string> path = settingsFileBytePath();
    return path ? QFile::decodeName(QByteArray::fromStdString(*path)) : QString();
}

IniDocument readSettingsFile()
{
    const std::optional<std::string> path = settingsFileBytePath();
    const FileContents file = path ? readRegularFile(*path) : FileContents{};
    return file.state == FileState::Read ? IniDocument(file.bytes) : IniDocument();
}

// The lock is the folder's that holds the file itself, after following any
// link, so that every copy writing one file waits for every other, whichever
// configuration folder it came through. A file that is there but cannot be
// read stops the save: writing over it would lose the table it holds. A
// change that would make the file too big to read back is refused as well.
// So is a save of a file with a second name (a hard link): a new file put in
// its place would leave each name its own table. Rewriting it in place would
// keep one file, but a copy reading it without the lock, or a crash midway,
// could then meet half a table; only a whole replacement rules both out. Nor
// would copies saving through names in two folders wait for each other, each
// locking the folder of its own name. A symbolic link shares one file safely.
// Where the file system gives no lock, the save still replaces the file
// whole; it only leaves the half-made files of killed saves alone, since
// another copy may be making its new file just then.
void modifySettingsFile(const std::function<void(IniDocument&)>& change)
{
    const std::optional<std::string> path = settingsFileBytePath();
    if (!path || !makeFolders(folderOf(*path)))
        throw WriteError();
    const std::optional<std::string> place = savePlace(*path);
    if (!place)
        throw WriteError();
    if (leavesFileAsItIs(*place, change))
        return;
    const SaveLock lock(*place, LockWait);
    if (lock.state() == SaveLock::State::Refused || savePlace(*path) != place || !mayWrite(*place) ||
        !hasOneName(*place))
        throw WriteError();
    if (lock.state() == SaveLock::State::Held)
        removeLeftovers(*place);
    const FileContents file = readRegularFile(*place);
    if (file.state == FileState::Unreadable)
        throw WriteError();
    IniDocument document(file.bytes);
    change(document);
    const std::string bytes = document.bytes();
    if (bytes.size() > MaxFileBytes || !replaceFile(*place, bytes))
        throw WriteError();
}

QString textOr(const IniDocument& document, std::string_view section, std::string_view key, const QString& fallback)
{
    const auto text = document.shownText(section, key);
    return text ? QString::fromStdString(*text) : fallback;
}

void setText(IniDocument& document, std::string_view section, std::string_view key, const QString& text)
{
    document.setText(section, key, text.toStdString());
}

} // namespace quorvel::persist
