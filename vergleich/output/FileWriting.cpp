#include "vergleich/output/FileWriting.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace faktorlupe::vergleich {
namespace {

// As many links in a row as the system itself follows before it gives up with ELOOP.
constexpr int kMostLinks = 40;

// The file a path names once every link is followed; empty, with errno set, for a circle of links.
QString followLinks(const QString& path) {
    QFileInfo file(path);
    for (int links = 0; file.isSymLink(); ++links) {
        if (links == kMostLinks) {
            errno = ELOOP;
            return {};
        }
        file.setFile(file.symLinkTarget());
    }
    return file.absoluteFilePath();
}

QString cannotWrite(const QString& path, int errorNumber) {
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2.")
        .arg(path, reasonOf(errorNumber));
}

// Writes every byte, also where the system takes them in parts.
bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t now = ::write(fd, bytes.constData() + written,
                                    static_cast<std::size_t>(bytes.size() - written));
        if (now < 0 && errno != EINTR)
            return false;
        written += now > 0 ? now : 0;
    }
    return true;
}

// A new hidden file beside the target, created with the permissions a new file gets (0666 less the
// umask), and those of the old file where there is one. Returns -1 with errno set on failure.
int createBeside(const QString& path, QByteArray& name) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const QByteArray fileName = QFile::encodeName(QFileInfo(path).fileName());
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/." + fileName + ".neu-" + QByteArray::number(::getpid()) + '-' +
               QByteArray::number(attempt);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 && replacing && ::fchmod(fd, old.st_mode & 07777) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(name.constData());
            errno = error;
            return -1;
        }
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

QString reasonOf(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("auf dem Datenträger ist kein Platz mehr");
    case EDQUOT:
        return QStringLiteral("das Speicherkontingent ist erschöpft");
    case EACCES:
    case EPERM:
        return QStringLiteral("dort darf nicht geschrieben werden");
    case EROFS:
        return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOENT:
        return QStringLiteral("den Ordner gibt es nicht");
    case ENOTDIR:
        return QStringLiteral("ein Teil des Pfads ist kein Ordner");
    case EISDIR:
        return QStringLiteral("unter diesem Namen steht ein Ordner");
    case ELOOP:
        return QStringLiteral("die Verknüpfungen führen im Kreis");
    case ENAMETOOLONG:
        return QStringLiteral("der Name ist zu lang");
    case EIO:
        return QStringLiteral("das Gerät meldet einen Ein-/Ausgabefehler");
    default:
        return QStringLiteral("%1 (Fehler %2)")
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)))
            .arg(errorNumber);
    }
}

QString checkWritable(const QString& path) {
    const QString target = followLinks(path);
    if (target.isEmpty())
        return cannotWrite(path, errno);
    const QByteArray native = QFile::encodeName(target);
    struct stat file {};
    if (::stat(native.constData(), &file) == 0) {
        if (S_ISDIR(file.st_mode))
            return cannotWrite(path, EISDIR);
        if (!S_ISREG(file.st_mode))
            return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: sie ist keine "
                                  "gewöhnliche Datei.")
                .arg(path);
        if (::access(native.constData(), W_OK) != 0)
            return cannotWrite(path, errno);
    }
    // The new file is made beside the old one, so its folder must take new files.
    if (::access(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), W_OK) != 0)
        return cannotWrite(path, errno);
    return {};
}

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    const QString target = followLinks(path);
    const QByteArray native = QFile::encodeName(target);
    QByteArray fresh;
    const int fd = target.isEmpty() ? -1 : createBeside(target, fresh);
    bool written = fd >= 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (fd >= 0 && ::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(fresh.constData(), native.constData()) != 0) {
        written = false;
        error = errno;
    }
    if (written)
        return {};
    if (fd >= 0)
        ::unlink(fresh.constData());
    return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2. Eine ältere Datei "
                          "dieses Namens ist unverändert.")
        .arg(path, reasonOf(error));
}

} // namespace faktorlupe::vergleich
