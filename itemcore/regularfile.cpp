#include "itemcore/regularfile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace itemcore {

std::optional<RegularFile> RegularFile::open(const std::string &path, OpenFailure *why)
{
    const auto fail = [why](OpenFailure failure) {
        if (why)
            *why = failure;
        return std::nullopt;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR: return fail(OpenFailure::Missing);
        case ENXIO: return fail(OpenFailure::NotRegular); // a socket, or a device not there
        default: return fail(OpenFailure::Unreadable);
        }
    }
    RegularFile file(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return fail(OpenFailure::Unreadable);
    if (!S_ISREG(st.st_mode))
        return fail(OpenFailure::NotRegular);
    // A regular file never blocks; the flag goes so that reads behave as everywhere else.
    const int flags = fcntl(fd, F_GETFL);
    if (flags != -1)
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    file.m_size = static_cast<long long>(st.st_size);
    if (why)
        *why = OpenFailure::None;
    return file;
}

RegularFile::RegularFile(RegularFile &&other) noexcept : m_fd(other.m_fd), m_size(other.m_size)
{
    other.m_fd = -1;
}

RegularFile &RegularFile::operator=(RegularFile &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        m_size = other.m_size;
        other.m_fd = -1;
    }
    return *this;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

long RegularFile::readSome(char *buffer, std::size_t count)
{
    for (;;) {
        const ssize_t n = ::read(m_fd, buffer, count);
        if (n >= 0 || errno != EINTR)
            return static_cast<long>(n);
    }
}

std::optional<std::string> RegularFile::read(std::size_t maxBytes)
{
    std::string data;
    // A file that grows while it is read is cut at the bound all the same.
    std::size_t expected = m_size > 0 ? static_cast<std::size_t>(m_size) : 4096;
    data.resize(std::min(maxBytes, expected));
    std::size_t done = 0;
    while (done < maxBytes) {
        if (done == data.size())
            data.resize(std::min(maxBytes, data.size() * 2));
        const long n = readSome(data.data() + done, data.size() - done);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    data.resize(done);
    return data;
}

std::optional<std::string> readFileStart(const std::string &path, std::size_t maxBytes)
{
    auto file = RegularFile::open(path);
    if (!file)
        return std::nullopt;
    return file->read(maxBytes);
}

} // namespace itemcore
