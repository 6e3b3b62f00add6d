#include "config/ini/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
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

bool replaceResolved(const std::string& target, const std::string& content) {
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists && !S_ISREG(old.st_mode)) return false;
    // A read-only file stays as it is, as the system's own profile writer would leave it.
    if (exists && ::access(target.c_str(), W_OK) != 0) return false;

    const std::string folder = folderOf(target);
    const std::size_t slash = target.rfind('/');
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = folder + "/." + name + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');

    const Descriptor temp(::mkstemp(buffer.data()));
    if (temp.fd < 0) return false;
    const std::string tempPath(buffer.data());

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
