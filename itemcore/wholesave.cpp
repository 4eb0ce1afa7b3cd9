#include "itemcore/wholesave.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace itemcore {
namespace {

constexpr std::string_view kMarker = ".tempel-";
constexpr std::size_t kRandomLength = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file that a save through `path` replaces: the end of its chain of links, whether that
// end exists yet or not (the link then stays and its target is created).
std::string linkTarget(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char buffer[4096];
        const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer);
        if (n <= 0 || static_cast<std::size_t>(n) == sizeof buffer)
            return path;
        const std::string target(buffer, static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : folderOf(path) + '/' + target;
    }
    return path;
}

std::string randomLetters()
{
    // Uniqueness comes from creating the file exclusively; chance only spares retries.
    thread_local std::mt19937_64 engine = [] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const auto seed = static_cast<std::uint64_t>(now.tv_nsec) ^
                          (static_cast<std::uint64_t>(now.tv_sec) << 30) ^
                          (static_cast<std::uint64_t>(getpid()) << 40);
        return std::mt19937_64(seed);
    }();
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string letters;
    for (std::size_t i = 0; i < kRandomLength; ++i)
        letters += kLetters[pick(engine)];
    return letters;
}

// 0, or the error number of the failed write.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// Whether the file at the end of the links may be replaced; `existing` is left zeroed when there
// is no file there yet.
SaveResult checkResolvedTarget(const std::string &target, struct stat &existing)
{
    if (stat(target.c_str(), &existing) != 0) {
        const int why = errno;
        existing = {};
        // Only a missing file may be created; a path through a file, a loop of links or a
        // folder that cannot be searched would fail the write.
        if (why != ENOENT)
            return {SaveResult::System, why};
        // A link may lead into a folder that is not there, or is not a folder.
        struct stat folder {};
        if (stat(folderOf(target).c_str(), &folder) != 0)
            return {SaveResult::System, errno};
        if (!S_ISDIR(folder.st_mode))
            return {SaveResult::System, ENOTDIR};
        return {};
    }
    if (S_ISDIR(existing.st_mode))
        return {SaveResult::System, EISDIR};
    if (!S_ISREG(existing.st_mode))
        return {SaveResult::NotRegular, 0};
    // A file made read-only stays as it is, though its folder would let it be replaced.
    if (access(target.c_str(), W_OK) != 0)
        return {SaveResult::System, errno};
    return {};
}

struct DirCloser {
    void operator()(DIR *d) const { closedir(d); }
};

} // namespace

bool isSaveTemporary(std::string_view entry, std::string_view fileName)
{
    if (fileName.empty() || entry.size() != 1 + fileName.size() + kMarker.size() + kRandomLength ||
        entry.front() != '.')
        return false;
    entry.remove_prefix(1);
    if (entry.substr(0, fileName.size()) != fileName)
        return false;
    entry.remove_prefix(fileName.size());
    return entry.substr(0, kMarker.size()) == kMarker &&
           std::all_of(entry.begin() + kMarker.size(), entry.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

void removeStaleTemporaries(const std::string &path, long long ageSeconds)
{
    const std::string name = nameOf(path);
    std::unique_ptr<DIR, DirCloser> dir(opendir(folderOf(path).c_str()));
    if (!dir)
        return;
    const long long now = static_cast<long long>(std::time(nullptr));
    const int fd = dirfd(dir.get());
    while (const dirent *entry = readdir(dir.get())) {
        if (!isSaveTemporary(entry->d_name, name))
            continue;
        struct stat st {};
        // A younger one may be another program's save in progress.
        if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            now - static_cast<long long>(st.st_mtime) >= ageSeconds)
            unlinkat(fd, entry->d_name, 0);
    }
}

SaveResult checkSaveTarget(const std::string &path)
{
    struct stat existing {};
    return checkResolvedTarget(linkTarget(path), existing);
}

SaveResult saveWholeFile(const std::string &path, std::string_view bytes, SaveSync sync)
{
    const std::string target = linkTarget(path);
    struct stat existing {};
    if (const SaveResult refused = checkResolvedTarget(target, existing); !refused)
        return refused;
    const bool exists = existing.st_mode != 0;

    const std::string folder = folderOf(target);
    removeStaleTemporaries(target);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + "/." + nameOf(target) + std::string(kMarker) + randomLetters();
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return {SaveResult::System, errno};
    }
    if (fd < 0)
        return {SaveResult::System, EEXIST};
    if (exists)
        fchmod(fd, existing.st_mode & 07777);
    int error = writeAll(fd, bytes);
    // Some file systems cannot sync; the rename still makes the save whole.
    if (error == 0 && sync == SaveSync::ToDisk && fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return {SaveResult::System, error};
    }
    return {};
}

} // namespace itemcore
