#include "vergleich/output/WrittenFile.h"

#include "vergleich/output/NativeNames.h"
#include "vergleich/output/WriteTarget.h"

#include <sys/stat.h>

namespace faktorlupe::vergleich {
namespace {

WrittenFile withIdentity(WrittenFile file, int found, const struct stat& status) {
    file.exists = found == 0;
    file.device = status.st_dev;
    file.inode = status.st_ino;
    return file;
}

} // namespace

WrittenFile writtenFileOf(const QString& path) {
    const WriteTarget target = writeTargetOf(nativeNameOf(path));
    if (target.foreignLink || target.error != 0)
        return {};
    if (target.isDescriptor())
        return writtenFileOf(target.descriptor);
    struct stat status {};
    return withIdentity({target.path()}, ::stat(target.path().constData(), &status), status);
}

WrittenFile writtenFileOf(int descriptor) {
    WrittenFile file{"/proc/self/fd/" + QByteArray::number(descriptor)};
    file.throughDescriptor = true;
    struct stat status {};
    return withIdentity(file, ::fstat(descriptor, &status), status);
}

bool isSameFile(const WrittenFile& one, const WrittenFile& other) {
    if (one.exists && other.exists)
        return one.device == other.device && one.inode == other.inode;
    return !one.path.isEmpty() && !one.throughDescriptor && one.path == other.path;
}

} // namespace faktorlupe::vergleich
