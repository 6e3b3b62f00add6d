#include "config/ini/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Closes the descriptor when the scope ends.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

bool writeAll(int fd, const std::string& content) {
    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// The path a write must replace: the final target of a symbolic link, else the path itself.
bool resolveTarget(const std::string& path, std::string& target) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        target = path;
        return errno == ENOENT;
    }
    if (!S_ISLNK(link.st_mode)) {
        target = path;
        return true;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return false; // dangling or looping link
    target = resolved;
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

mode_t permissionsForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::string& folder) {
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) ::fsync(dir.fd);
}

constexpr std::size_t uniqueCharacters = 6; // the "XXXXXX" that mkstemp fills in

// Whether `entry` is a name mkstemp can make of the temporary-file pattern for `name`: "." + name +
// "." followed by six letters or digits.
bool isTemporaryNameFor(const std::string& entry, const std::string& name) {
    const std::string prefix = "." + name + ".";
    if (entry.size() != prefix.size() + uniqueCharacters || entry.compare(0, prefix.size(), prefix))
        return false;
    return std::all_of(
        entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        });
}

// Removes the temporary files for `name` in `folder` that a replacement killed before its rename
// left behind. Only regular files of this user named exactly by the pattern go, and none that a
// replacement still running holds: each keeps an exclusive lock on its temporary file until the
// file is renamed, and the system drops the locks of a process that ends in any way.
void removeStaleTemporaries(const std::string& folder, const std::string& name) {
    std::vector<std::string> candidates;
    {
        const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
        if (!dir) return;
        while (const dirent* entry = ::readdir(dir.get())) {
            if (isTemporaryNameFor(entry->d_name, name)) candidates.emplace_back(entry->d_name);
        }
    }
    for (const std::string& candidate : candidates) {
        const std::string path = folder + "/" + candidate;
        const Descriptor file(
            ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat opened {};
        if (file.fd < 0 || ::fstat(file.fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
            opened.st_uid != ::geteuid() || ::flock(file.fd, LOCK_EX | LOCK_NB) != 0) {
            continue;
        }
        // The name must still lead to the file just checked.
        struct stat named {};
        if (::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino) {
            ::unlink(path.c_str());
        }
    }
}

bool replaceResolved(const std::string& target, const std::string& content) {
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && !S_ISREG(old.st_mode)) return false;
    // A read-only file stays as it is, as the system's own profile writer would leave it; so does
    // a file in a read-only folder, which the rename would replace all the same.
    const std::string folder = folderOf(target);
    if ((exists && !isWritablePath(target)) || !isWritablePath(folder)) return false;

    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    removeStaleTemporaries(folder, name);
    std::string pattern = folder + "/." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');

    const Descriptor temp(::mkstemp(buffer.data()));
    if (temp.fd < 0) return false;
    const std::string tempPath(buffer.data());
    // Held until the descriptor closes, after the rename: tells a running replacement from a
    // killed one. Where the file system has no such locks, stale files are merely not removed.
    ::flock(temp.fd, LOCK_EX | LOCK_NB);

    bool ok = ::fchmod(temp.fd, exists ? (old.st_mode & 07777) : permissionsForNewFile()) == 0;
    if (ok && exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        // Only possible for a privileged user; failing to keep the owner is not worth a lost write.
        [[maybe_unused]] const int ignored = ::fchown(temp.fd, old.st_uid, old.st_gid);
    }
    ok = ok && writeAll(temp.fd, content) && ::fsync(temp.fd) == 0;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace

FileRead readFileLimited(const std::string& path, std::size_t limit) {
    FileRead result;
    try {
        // O_NONBLOCK keeps a FIFO named like the file from stalling the program.
        const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        if (file.fd < 0) {
            result.outcome = (errno == ENOENT) ? ReadOutcome::Missing : ReadOutcome::Unusable;
            return result;
        }
        struct stat info {};
        if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            result.outcome = ReadOutcome::Unusable;
            return result;
        }
        // One byte beyond the limit tells a file that is too large; the buffer grows as needed,
        // since some files report no size.
        const auto reported = static_cast<std::size_t>(info.st_size);
        std::string text(std::min(reported, limit) + 1, '\0');
        std::size_t filled = 0;
        for (;;) {
            if (filled == text.size()) {
                if (text.size() > limit) break;
                text.resize(std::min(text.size() * 2, limit + 1));
            }
            const ssize_t got = ::read(file.fd, text.data() + filled, text.size() - filled);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                result.outcome = ReadOutcome::Unusable;
                return result;
            }
            if (got == 0) break;
            filled += static_cast<std::size_t>(got);
        }
        text.resize(filled);
        result.outcome = ReadOutcome::Complete;
        if (filled > limit) {
            // Keep whole lines only, so that no value is read cut short.
            text.resize(limit);
            const std::size_t lastBreak = text.rfind('\n');
            text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
            result.outcome = ReadOutcome::Truncated;
        }
        result.text = std::move(text);
    } catch (...) {
        result = FileRead{ReadOutcome::Unusable, {}};
    }
    return result;
}

bool replaceFileAtomically(const std::string& path, const std::string& content) {
    try {
        std::string target;
        return !path.empty() && resolveTarget(path, target) && replaceResolved(target, content);
    } catch (...) {
        return false;
    }
}

bool isWritablePath(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) != 0 &&
           ::access(path.c_str(), W_OK) == 0;
}

bool createFolders(const std::string& folder) {
    try {
        if (folder.empty()) return false;
        std::size_t end = 0;
        do {
            end = folder.find('/', end + 1);
            const std::string part = folder.substr(0, end);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        } while (end != std::string::npos && end + 1 < folder.size());
        struct stat info {};
        return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    } catch (...) {
        return false;
    }
}
