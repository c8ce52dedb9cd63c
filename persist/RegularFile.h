#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace quorvel::persist {

// A real settings file is under 2 KB, and the largest the game itself can
// make of one, ten hand-edited names of 2047 four-byte characters each, is
// under 90 KB. A quarter of a mebibyte leaves room beyond both for anything
// a player adds by hand, and even a file of that size made of the lines the
// reader likes least adds under a tenth of a second to the start-up.
// Anything bigger is not this game's file.
inline constexpr std::size_t MaxFileBytes = 256 * 1024;

enum class FileState { Missing, Read, Unreadable };

struct FileContents {
    FileState state = FileState::Missing;
    std::string bytes;
};

// Only a regular file, reached directly or through links, of at most
// MaxFileBytes is read. Nothing else is opened, so a FIFO cannot block and a
// device cannot be read without end; a dangling link is unreadable, not
// missing.
FileContents readRegularFile(const std::string& path);

// Where a save of `path` may write: the path itself when nothing is there or
// it is a regular file, the file a link leads to when that is a regular file.
// Nothing for anything else, a dangling link included: a link says the
// player keeps the file elsewhere, perhaps on a drive that is not mounted
// now, and neither a file made at the link's end nor one put in the link's
// place would be where the player looks for it.
std::optional<std::string> savePlace(const std::string& path);

// Whether the player may change the file at `path`, decided by the
// permission bits that apply to this user as owner, group member or other.
// Root may write any file, but a file its owner made read-only is kept as it
// is whoever runs the game. A missing file may be made.
bool mayWrite(const std::string& path);

// Whether the file at `path` has no name but this one, or is missing. A save
// puts a new file in the old one's place, so any other name, a hard link,
// would keep the old file, and the names would part from then on.
bool hasOneName(const std::string& path);

} // namespace quorvel::persist
