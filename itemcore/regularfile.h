// Reading data files that anybody may have replaced: only a regular file is read. It is opened
// without blocking (a named pipe or a device in a data file's place would otherwise hold the
// program in `open` for good) and judged on the open descriptor, never by its name first; every
// read is bounded by what the caller can need.
#pragma once

#include <optional>
#include <string>

namespace itemcore {

// Why a file could not be opened for reading.
enum class OpenFailure { None, Missing, NotRegular, Unreadable };

class RegularFile {
public:
    // Nothing when `path` (links followed) is missing, cannot be read or is anything but a
    // regular file (a folder, a named pipe, a device, a socket); `why` then says which.
    static std::optional<RegularFile> open(const std::string &path, OpenFailure *why = nullptr);

    RegularFile(RegularFile &&other) noexcept;
    RegularFile &operator=(RegularFile &&other) noexcept;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;
    ~RegularFile();

    // The file's size when it was opened.
    long long size() const { return m_size; }
    // Up to `count` bytes from where the last read stopped into `buffer`: how many, 0 at the
    // end of the file, -1 on a read error.
    long readSome(char *buffer, std::size_t count);
    // Up to `maxBytes` bytes from where the last read stopped (fewer at the end of the file);
    // nothing on a read error.
    std::optional<std::string> read(std::size_t maxBytes);

private:
    explicit RegularFile(int fd) : m_fd(fd) {}
    int m_fd = -1;
    long long m_size = 0;
};

// The first `maxBytes` bytes of a regular file (all of a shorter one); nothing when it cannot
// be read.
std::optional<std::string> readFileStart(const std::string &path, std::size_t maxBytes);

} // namespace itemcore
