#include "vergleich/output/FileWriting.h"

#include "vergleich/output/FileReplacement.h"
#include "vergleich/output/NativeNames.h"
#include "vergleich/output/WriteTarget.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace faktorlupe::vergleich {
namespace {

QString cannotWrite(const QString& path, int errorNumber) {
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2.")
        .arg(path, reasonOf(errorNumber));
}

QString foreignLink(const QString& path) {
    return QStringLiteral("Die Datei %1 wird nicht geschrieben: sie ist die Verknüpfung eines "
                          "anderen Benutzers in einem Ordner, in den alle schreiben dürfen (wie "
                          "/tmp), und solchen Verknüpfungen folgt das Programm nicht, wie das "
                          "System selbst.")
        .arg(path);
}

Problem<QString> checkDescriptor(const QString& path, int descriptor) {
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY)
        return cannotWrite(path, EBADF);
    return std::nullopt;
}

// Only a plain file is replaced: a folder, a FIFO or a device named werte.csv stays what it is.
Problem<QString> checkKind(const QString& path, const struct stat& file) {
    if (S_ISDIR(file.st_mode))
        return cannotWrite(path, EISDIR);
    if (!S_ISREG(file.st_mode))
        return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: sie ist keine "
                              "gewöhnliche Datei.")
            .arg(path);
    return std::nullopt;
}

// The kernel's rule for replacing a name in a sticky folder (fs/namei.c, check_sticky): only the
// file's owner, the folder's owner, or a caller with CAP_FOWNER (root) may, also where the file
// itself lets everyone write: /tmp/werte.csv of another user's is not for the caller to replace.
bool mayReplace(const struct stat& folder, const struct stat& file) {
    if (!(folder.st_mode & S_ISVTX) || file.st_uid == ::geteuid() || folder.st_uid == ::geteuid())
        return true;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct capabilities[_LINUX_CAPABILITY_U32S_3]{};
    return ::syscall(SYS_capget, &header, capabilities) == 0 &&
           (capabilities[0].effective & (1u << CAP_FOWNER)) != 0;
}

Problem<QString> checkFile(const QString& path, const WriteTarget& target) {
    const QByteArray native = target.path();
    struct stat file {};
    struct stat folder {};
    if (::stat(native.constData(), &file) == 0) {
        if (Problem<QString> problem = checkKind(path, file))
            return problem;
        if (::access(native.constData(), W_OK) != 0)
            return cannotWrite(path, errno);
        if (::stat(target.folder.constData(), &folder) == 0 && !mayReplace(folder, file))
            return cannotWrite(path, EPERM);
    }
    // The new file is made beside the old one, so its folder must take new files.
    if (::access(target.folder.constData(), W_OK) != 0)
        return cannotWrite(path, errno);
    return std::nullopt;
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
    case EPIPE:
        return QStringLiteral("das Programm, das die Ausgabe lesen sollte, liest nicht mehr mit");
    case EBADF:
        return QStringLiteral("dieser Kanal ist nicht zum Schreiben offen");
    default:
        return QStringLiteral("%1 (Fehler %2)")
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)))
            .arg(errorNumber);
    }
}

Problem<QString> checkWritable(const QString& path) {
    const WriteTarget target = writeTargetOf(nativeNameOf(path));
    if (target.foreignLink)
        return foreignLink(path);
    if (target.error != 0)
        return cannotWrite(path, target.error);
    return target.isDescriptor() ? checkDescriptor(path, target.descriptor)
                                 : checkFile(path, target);
}

QString fileWrittenFor(const QString& path) {
    const WriteTarget target = writeTargetOf(nativeNameOf(path));
    if (target.foreignLink || target.error != 0)
        return {};
    return textOfNativeName(target.path());
}

Problem<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
    // One file after the other: RemovedOnKill knows of one hidden file at a time.
    static std::mutex oneAtATime;
    const std::lock_guard lock(oneAtATime);
    const WriteTarget target = writeTargetOf(nativeNameOf(path));
    if (target.foreignLink)
        return foreignLink(path);
    if (target.isDescriptor()) {
        if (writeAll(target.descriptor, bytes))
            return std::nullopt;
        return QStringLiteral("Nach %1 konnte nicht alles geschrieben werden: %2.")
            .arg(path, reasonOf(errno));
    }
    // Checked again here: the window's Speichern comes here without checkWritable.
    struct stat old {};
    if (target.error == 0 && ::stat(target.path().constData(), &old) == 0)
        if (Problem<QString> problem = checkKind(path, old))
            return problem;
    const int error = target.error != 0 ? target.error : replaceFile(target, bytes);
    if (error == 0)
        return std::nullopt;
    const QString failed = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2.")
                               .arg(path, reasonOf(error));
    // Whether an older file is there is asked after the failure, which leaves it as it was.
    struct stat older {};
    if (::stat(nativeNameOf(path).constData(), &older) != 0)
        return failed;
    return failed + QStringLiteral(" Eine ältere Datei dieses Namens ist unverändert.");
}

} // namespace faktorlupe::vergleich
