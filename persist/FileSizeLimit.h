#pragma once

namespace quorvel::persist {

// A write past a file-size limit (`ulimit -f`) raises a signal that by
// default ends the program at once: a warning Qt writes to a standard error
// already past the limit would end the game before its window shows, and a
// save would leave a half-made file. With the signal ignored, such a write
// fails instead, short or with EFBIG: a warning is lost, a save is refused
// like any other that cannot be written. Called first thing in `main`, so
// that it holds for the whole run.
void surviveFileSizeLimit();

} // namespace quorvel::persist
