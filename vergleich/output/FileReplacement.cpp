#include "vergleich/output/FileReplacement.h"

#include "vergleich/output/RemovedOnKill.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// How the new file comes to its place, and why nothing is left behind:
// 1. It is made without a name (O_TMPFILE), filled and synced. A kill up to here leaves nothing:
//    the system frees a file without a name with the last descriptor.
// 2. It gets a hidden name (linkat), since linkat cannot replace a name: onto "werte.csv" it fails
//    with EEXIST, and unlinking the old one first would leave a moment without any file.
// 3. rename puts it in the old one's place in one step. Between 2 and 3 the hidden name exists;
//    a SIGTERM, SIGINT or SIGHUP there removes it (RemovedOnKill) before the program ends.
// Where the file system makes no file without a name (EOPNOTSUPP), the file has its hidden name
// from the start and RemovedOnKill covers the whole writing, but for the instant between openat
// and madeHere. A SIGKILL or a power cut between 2 and 3 can still leave a hidden file; nothing a
// program does can prevent that.
namespace faktorlupe::vergleich {
namespace {

constexpr int kMostAttempts = 100;

// ".faktorlupe-neu-4711-0": short whatever the file is called, so that a name of the most bytes
// the system allows (255) can be replaced as well as a short one. The process's number in it
// keeps two programs saving at once apart; a name that is there already (EEXIST) is from an
// earlier process of the same number, or someone else's, and stays: the next number is tried.
QByteArray hiddenName(int attempt) {
    return ".faktorlupe-neu-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt);
}

bool noUnnamedFiles(int error) {
    // EISDIR and EINVAL: kernels and C libraries from before O_TMPFILE.
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

int fill(int file, const struct stat* old, const QByteArray& bytes) {
    if (old && ::fchmod(file, old->st_mode & 07777) != 0)
        return errno;
    if (!writeAll(file, bytes) || ::fsync(file) != 0)
        return errno;
    return 0;
}

int putInPlace(int folder, const QByteArray& hidden, const QByteArray& name) {
    if (::renameat(folder, hidden.constData(), folder, name.constData()) == 0)
        return 0;
    const int error = errno;
    ::unlinkat(folder, hidden.constData(), 0);
    return error;
}

// Steps 2 and 3 for a filled file without a name. Its descriptor is closed after the rename:
// fsync has reported any failure of the writing already, so close has nothing left to report.
int nameAndPlace(int folder, int file, const QByteArray& name) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file);
    struct stat unnamed {};
    if (::fstat(file, &unnamed) != 0)
        return errno;
    int error = EEXIST;
    for (int attempt = 0; error == EEXIST && attempt < kMostAttempts; ++attempt) {
        const QByteArray hidden = hiddenName(attempt);
        const RemovedOnKill removed(folder, hidden, &unnamed);
        if (::linkat(AT_FDCWD, self.constData(), folder, hidden.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            error = putInPlace(folder, hidden, name);
        else
            error = errno;
    }
    return error;
}

int replaceUnnamed(int folder, int file, const QByteArray& name, const struct stat* old,
                   const QByteArray& bytes) {
    int error = fill(file, old, bytes);
    if (error == 0)
        error = nameAndPlace(folder, file, name);
    ::close(file);
    return error;
}

int replaceNamed(int folder, const QByteArray& name, const struct stat* old,
                 const QByteArray& bytes) {
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const QByteArray hidden = hiddenName(attempt);
        RemovedOnKill removed(folder, hidden);
        const int file =
            ::openat(folder, hidden.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file < 0 && errno == EEXIST)
            continue;
        if (file < 0)
            return errno;
        removed.madeHere();
        int error = fill(file, old, bytes);
        if (::close(file) != 0 && error == 0)
            error = errno;
        if (error == 0)
            return putInPlace(folder, hidden, name);
        ::unlinkat(folder, hidden.constData(), 0);
        return error;
    }
    return EEXIST;
}

int replaceIn(int folder, const QByteArray& name, const QByteArray& bytes) {
    struct stat old {};
    // The old one's permissions only where it is a plain file: a link's are always 0777.
    const bool replacing =
        ::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode);
    const struct stat* oldFile = replacing ? &old : nullptr;
    // linkat names a file without a name through /proc, which a chroot may lack.
    if (::access("/proc/self/fd", X_OK) == 0) {
        const int file = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (file >= 0)
            return replaceUnnamed(folder, file, name, oldFile, bytes);
        if (!noUnnamedFiles(errno))
            return errno;
    }
    return replaceNamed(folder, name, oldFile, bytes);
}

} // namespace

bool writeAll(int descriptor, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t now = ::write(descriptor, bytes.constData() + written,
                                    static_cast<std::size_t>(bytes.size() - written));
        if (now < 0 && errno != EINTR)
            return false;
        written += now > 0 ? now : 0;
    }
    return true;
}

int replaceFile(const WriteTarget& target, const QByteArray& bytes) {
    const int folder = ::open(target.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return errno;
    const int error = replaceIn(folder, target.name, bytes);
    ::close(folder);
    return error;
}

} // namespace faktorlupe::vergleich
