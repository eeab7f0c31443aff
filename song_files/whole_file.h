#pragma once
// Song files are read and written whole: a file larger than any songbook is refused before it
// is read, and a file is written beside its target and renamed over it only once complete, so
// that a failure leaves the old file, or nothing, behind. Plain C++: the window, the terminal
// and the browser edition share it.
#include <cstddef>
#include <optional>
#include <string>

namespace tambrel {

// No songbook file comes near this; anything larger is no song.
constexpr std::size_t kLargestSongFile = 1024 * 1024;

struct FileReading {
    std::optional<std::string> bytes;
    std::string error; // why there are none, as the user reads it
};

// The whole file at `path`, or why not: missing, unreadable, a folder, or too large.
FileReading readSongFile(const std::string& path);

// Writes `bytes` to `path` whole or not at all. Returns the message when it cannot be written
// (nothing is then left behind), nothing when it was.
std::optional<std::string> writeWholeFile(const std::string& path, const std::string& bytes);

} // namespace tambrel
