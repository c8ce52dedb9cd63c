#pragma once

#include <string>
#include <string_view>

namespace quorvel::persist {

// Replaces the regular file `target` (or makes it) with `bytes`, so that a
// reader, a crash or a power cut finds either the whole old file or the whole
// new one: the new bytes go to a fresh file beside it and reach the disk
// before that file is renamed over the old one. False when any step fails;
// the old file is then as it was.
bool replaceFile(const std::string& target, std::string_view bytes);

// Removes the half-made files that saves killed midway left beside
// `target`, and what earlier versions' locking left there. Only safe while
// holding the lock under which every save runs. Whatever cannot be removed,
// such as another account's file in a folder with the sticky bit, stays
// harmlessly where it is: no save reads it or waits for it.
void removeLeftovers(const std::string& target);

} // namespace quorvel::persist
