#include "questions/folder.h"

#include "itemcore/bytes1252.h"
#include "itemcore/regularfile.h"

#include <charconv>
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
    return itemcore::readFileStart(path, kSmallFileBytes);
}

std::optional<long long> wholeNumber(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
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
