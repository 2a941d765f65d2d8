#include "vergleich/output/WriteTarget.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace faktorlupe::vergleich {
namespace {

// As many links in a row as the system itself follows before it gives up with ELOOP.
constexpr int kMostLinks = 40;

WriteTarget failed(int error) {
    WriteTarget target;
    target.error = error;
    return target;
}

bool isNumber(const QByteArray& text) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// /proc/self/fd, as realpath gives it ("/proc/4711/fd"), or a thread's ("/proc/4711/task/4712/fd").
bool isOwnDescriptorFolder(const QByteArray& folder) {
    const QByteArray own = "/proc/" + QByteArray::number(::getpid()) + '/';
    if (folder == own + "fd")
        return true;
    const QByteArray task = own + "task/";
    return folder.startsWith(task) && folder.endsWith("/fd") &&
           isNumber(folder.mid(task.size(), folder.size() - task.size() - 3));
}

// The kernel's rule for links in sticky folders that everyone may write to (fs/namei.c,
// may_follow_link); it holds for root too.
bool mayFollow(const struct stat& folder, const struct stat& link) {
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

QByteArray joined(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// One link further: the path the link leads to goes into next; where the link may not be
// followed, or cannot be read, the target to end with comes back instead.
std::optional<WriteTarget> follow(WriteTarget target, const struct stat& link, QByteArray& next) {
    struct stat folder {};
    if (::stat(target.folder.constData(), &folder) != 0)
        return failed(errno);
    if (!mayFollow(folder, link)) {
        target.foreignLink = true;
        return target;
    }
    char leadsTo[PATH_MAX];
    const ssize_t length = ::readlink(target.path().constData(), leadsTo, sizeof leadsTo);
    if (length < 0)
        return failed(errno);
    const QByteArray to(leadsTo, length);
    next = to.startsWith('/') ? to : joined(target.folder, to);
    return std::nullopt;
}

} // namespace

QByteArray WriteTarget::path() const {
    return isDescriptor() ? "/proc/self/fd/" + QByteArray::number(descriptor)
                          : joined(folder, name);
}

WriteTarget writeTargetOf(const QByteArray& path) {
    QByteArray current = path;
    for (int links = 0; links <= kMostLinks; ++links) {
        const qsizetype slash = current.lastIndexOf('/');
        const QByteArray name = current.mid(slash + 1);
        const QByteArray folderPart = slash < 0    ? QByteArray(".")
                                      : slash == 0 ? QByteArray("/")
                                                   : current.left(slash);
        if (name.isEmpty() || name == "." || name == "..")
            return failed(EISDIR);
        char real[PATH_MAX];
        if (::realpath(folderPart.constData(), real) == nullptr)
            return failed(errno);
        WriteTarget target;
        target.folder = real;
        target.name = name;
        if (isOwnDescriptorFolder(target.folder) && isNumber(name)) {
            target.descriptor = name.toInt();
            return target;
        }
        struct stat link {};
        if (::lstat(target.path().constData(), &link) != 0)
            return errno == ENOENT ? target : failed(errno);
        if (!S_ISLNK(link.st_mode))
            return target;
        if (std::optional<WriteTarget> end = follow(target, link, current))
            return *end;
    }
    return failed(ELOOP);
}

} // namespace faktorlupe::vergleich
