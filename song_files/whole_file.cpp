#include "song_files/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tambrel {

namespace fs = std::filesystem;

namespace {

std::string said(const std::string& path, const std::string& why) {
    return "'" + path + "' " + why;
}

} // namespace

FileReading readSongFile(const std::string& path) {
    FileReading reading;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        reading.error = said(path, "does not exist");
        return reading;
    }
    if (fs::is_directory(status)) {
        reading.error = said(path, "is a folder, not a song file");
        return reading;
    }
    const auto size = fs::file_size(path, error);
    if (!error && size > kLargestSongFile) {
        reading.error = said(path, "is larger than a songbook file can be (1 MB)");
        return reading;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reading.error = said(path, "cannot be read: " + std::string(std::strerror(errno)));
        return reading;
    }
    // Read no further than the limit, whatever the size said: a pipe or a growing file.
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kLargestSongFile) {
            reading.error = said(path, "is larger than a songbook file can be (1 MB)");
            return reading;
        }
    }
    if (in.bad()) {
        reading.error = said(path, "cannot be read");
        return reading;
    }
    reading.bytes = std::move(bytes);
    return reading;
}

std::optional<std::string> writeWholeFile(const std::string& path, const std::string& bytes) {
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // A temporary file of its own beside the target: a rename within one folder is atomic.
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return said(path, "cannot be written: " + std::string(std::strerror(errno)));
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const int writeError = errno;
    // mkstemp makes the file private; a song file is as readable as any other the user writes.
    const bool complete = written == bytes.size() && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    if (!complete) {
        std::remove(pattern.c_str());
        return said(path, "cannot be written: " + std::string(std::strerror(writeError)));
    }
    std::error_code error;
    fs::rename(pattern, target, error);
    if (error) {
        std::remove(pattern.c_str());
        return said(path, "cannot be written: " + error.message());
    }
    return std::nullopt;
}

} // namespace tambrel
