#include "questions/folder.h"

#include "itemcore/bytes1252.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace questions {

std::string programFolder()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    std::string path(buffer, static_cast<std::size_t>(n));
    // Two steps up: the program's own name, then its folder "questions".
    for (int up = 0; up < 2; ++up) {
        const auto slash = path.rfind('/');
        if (slash == std::string::npos)
            return ".";
        path.resize(slash);
    }
    return path.empty() ? "/" : path;
}

std::string resolvePath(const std::string &folder, std::string_view path1252)
{
    std::string path = itemcore::utf8From1252(path1252);
    for (char &c : path) {
        if (c == '\\')
            c = '/';
    }
    if (!path.empty() && path.front() == '/')
        return path;
    return folder + '/' + path;
}

std::optional<std::string> readSmallFile(const std::string &path)
{
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string data;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return data;
}

bool writeWholeFile(const std::string &path, std::string_view bytes)
{
    // One temporary name per process: two programs started together never share one.
    const std::string temporary = path + '.' + std::to_string(getpid()) + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bool written = done == bytes.size();
    if (close(fd) != 0)
        written = false;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

FileStamp stampOf(const std::string &path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return {};
    return {static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
            static_cast<long long>(st.st_ino)};
}

} // namespace questions
