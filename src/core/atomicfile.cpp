#include "core/atomicfile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scrivlet::fileio {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a late write error can show up here).
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string parentFolder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write must replace: the target of a symbolic link, else the name itself.
bool resolveTarget(const std::string& path, std::string& target)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        target = path;
        return true;
    }
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return false; // a dangling link: nothing sensible to replace
    target = resolved;
    std::free(resolved);
    return true;
}

void syncFolder(const std::string& folder)
{
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

std::atomic<unsigned> tempCounter{0};

} // namespace

ReadResult readWholeFile(const std::string& path, std::string& out)
{
    out.clear();
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? ReadResult::Missing : ReadResult::Failed;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return ReadResult::Failed;
    out.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
        if (n == 0)
            return ReadResult::Ok;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            out.clear();
            return ReadResult::Failed;
        }
        out.append(chunk, static_cast<std::size_t>(n));
    }
}

bool replaceFileAtomically(const std::string& path, std::string_view content)
{
    std::string target;
    if (!resolveTarget(path, target))
        return false;

    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld && !S_ISREG(old.st_mode))
        return false;
    if (!hadOld && errno != ENOENT)
        return false;

    const std::string folder = parentFolder(target);
    const std::string stem = folder + "/." + baseName(target) + ".tmp" + std::to_string(::getpid()) + ".";
    std::string temp;
    int rawFd = -1;
    for (int attempt = 0; attempt < 100 && rawFd < 0; ++attempt) {
        temp = stem + std::to_string(tempCounter.fetch_add(1));
        // 0666 lets the umask decide the permissions of a brand-new file.
        rawFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (rawFd < 0 && errno != EEXIST)
            return false;
    }
    if (rawFd < 0)
        return false;
    FileDescriptor fd(rawFd);

    if (hadOld) {
        ::fchmod(fd.get(), old.st_mode & 07777);
        struct stat now {};
        if (::fstat(fd.get(), &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
            if (::fchown(fd.get(), old.st_uid, old.st_gid) == 0)
                ::fchmod(fd.get(), old.st_mode & 07777); // chown may clear set-id bits
        }
    }

    const bool written = writeAll(fd.get(), content) && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace scrivlet::fileio
