#include "platform/linux/log_file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/runtime_failure.h"

namespace lwviz::linux_os {
namespace {

// The temporary file is "." + the log's name + "." + six of these letters.
constexpr std::string_view kSuffixLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;
// A temporary file unchanged for this long belongs to no write that is still running.
constexpr std::time_t kLeftoverSeconds = 60;
// The kernel's own limit on links in a row.
constexpr int kMaxLinksFollowed = 40;

int failureNumberFor(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return RuntimeFailure::kDiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
            return RuntimeFailure::kPermissionDenied;
        default:
            return RuntimeFailure::kPathFileAccessError;
    }
}

// `path` is the log file as the user named it, made absolute, so that an unattended user learns
// where it is.
[[noreturn]] void fail(const std::string& path, int error) {
    throw RuntimeFailure(failureNumberFor(error), "Cannot write the log file \"" + path + "\": " +
                                                      std::generic_category().message(error));
}

std::string absolutePath(const std::string& fileName) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName, error);
    return error ? fileName : absolute.string();
}

// Six random letters; the O_EXCL open below guarantees uniqueness, the randomness only keeps
// retries rare.
std::string randomSuffix() {
    unsigned char bytes[kSuffixLength]{};
    if (getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const auto seed =
            static_cast<unsigned long>(now.tv_nsec) ^ (static_cast<unsigned long>(getpid()) << 16U);
        for (std::size_t i = 0; i < sizeof bytes; ++i) {
            bytes[i] = static_cast<unsigned char>(seed >> (i * 5U));
        }
    }
    std::string suffix;
    for (const unsigned char byte : bytes) {
        suffix += kSuffixLetters[byte % kSuffixLetters.size()];
    }
    return suffix;
}

// Unlike mkstemp's 0600, mode 0666 lets the umask and the folder's default ACL give the file
// the permissions any new file gets there.
int createTemporary(const std::string& prefix, std::string& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = prefix + randomSuffix();
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Removes the temporary file unless it has been renamed into place.
class TemporaryFile {
public:
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    TemporaryFile() = default;
    ~TemporaryFile() {
        if (fd >= 0) {
            close(fd);
        }
        if (!path.empty()) {
            unlink(path.c_str());
        }
    }
    int fd = -1;
    std::string path;
};

// Writes every byte, through short writes and interruptions; false with errno set on failure.
bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Where the bytes go: the file at the end of the symbolic links at the log path. A link is
// followed only where the kernel's protected_symlinks rule would follow it, whatever the
// system's setting: in a sticky, world-writable folder such as /tmp, only a link of the user's
// own or of the folder's owner, so that nobody can plant a link there that redirects the log
// onto a file of the user's.
std::string resolvedTarget(const std::string& fileName, const std::string& shownPath) {
    std::filesystem::path path(fileName);
    for (int links = 0; links < kMaxLinksFollowed; ++links) {
        struct stat link {};
        if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            return path.string();
        }
        const std::filesystem::path folder = path.parent_path();
        struct stat parent {};
        if (stat(folder.empty() ? "." : folder.c_str(), &parent) != 0) {
            fail(shownPath, errno);
        }
        const bool shared = (parent.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
        if (shared && link.st_uid != geteuid() && link.st_uid != parent.st_uid) {
            fail(shownPath, EACCES);
        }
        std::error_code error;
        const std::filesystem::path content = std::filesystem::read_symlink(path, error);
        if (error) {
            fail(shownPath, error.value());
        }
        path = folder / content;  // an absolute content replaces the folder
    }
    fail(shownPath, ELOOP);
}

bool isTemporaryName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + kSuffixLength && name.starts_with(prefix) &&
           name.substr(prefix.size()).find_first_not_of(kSuffixLetters) == std::string_view::npos;
}

// A write killed between creating its temporary file and the rename leaves that file behind;
// the next write removes it. Only the user's own plain files named as this log's temporary
// files qualify, and only once they have been left unchanged for a minute, so that a write
// still running in another instance keeps its file. Best effort: the write goes on whatever
// happens here.
void removeLeftovers(const std::string& folder, const std::string& prefix) {
    DIR* entries = opendir(folder.c_str());
    if (entries == nullptr) {
        return;
    }
    const std::time_t oldest = std::time(nullptr) - kLeftoverSeconds;
    while (const dirent* entry = readdir(entries)) {
        struct stat info {};
        if (isTemporaryName(entry->d_name, prefix) &&
            fstatat(dirfd(entries), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == geteuid() && info.st_mtime < oldest) {
            (void)unlinkat(dirfd(entries), entry->d_name, 0);
        }
    }
    closedir(entries);
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the port's signature
void AtomicLogFileWriter::replaceWith(const std::string& fileName, const std::string& text) {
    const std::string shownPath = absolutePath(fileName);
    const std::string target = resolvedTarget(fileName, shownPath);
    const std::filesystem::path targetPath(target);
    const std::string name = targetPath.filename().string();
    if (name.empty()) {
        fail(shownPath, EISDIR);
    }
    const std::string folder =
        targetPath.has_parent_path() ? targetPath.parent_path().string() : std::string(".");

    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) {
            fail(shownPath, EISDIR);
        }
        // An ordinary open for output refuses a file the user may not write; so do we.
        if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            fail(shownPath, errno);
        }
    }

    const std::string temporaryPrefix = "." + name + ".";
    removeLeftovers(folder, temporaryPrefix);
    TemporaryFile temporary;
    temporary.fd = createTemporary(folder + "/" + temporaryPrefix, temporary.path);
    if (temporary.fd < 0) {
        const int error = errno;
        temporary.path.clear();
        fail(shownPath, error);
    }
    if (exists) {
        // Best effort: the content matters more than the metadata.
        if (existing.st_uid != geteuid() || existing.st_gid != getegid()) {
            (void)fchown(temporary.fd, existing.st_uid, existing.st_gid);
        }
        (void)fchmod(temporary.fd, existing.st_mode & 07777);
    }

    if (!writeAll(temporary.fd, text) || fsync(temporary.fd) != 0) {
        fail(shownPath, errno);
    }
    const int fd = temporary.fd;
    temporary.fd = -1;
    if (close(fd) != 0 && errno != EINTR) {  // on Linux the descriptor is gone even after EINTR
        fail(shownPath, errno);
    }
    if (rename(temporary.path.c_str(), target.c_str()) != 0) {
        fail(shownPath, errno);
    }
    temporary.path.clear();

    // Makes the rename itself durable; the new text is in place either way.
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        (void)fsync(folderFd);
        close(folderFd);
    }
}

}  // namespace lwviz::linux_os
