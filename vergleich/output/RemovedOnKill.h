#pragma once

#include <QByteArray>
#include <sys/stat.h>

namespace faktorlupe::vergleich {

// A hidden file of the writer's that must not outlive the program: while one of these lives,
// SIGTERM, SIGINT and SIGHUP remove the file before they end the program as they would have
// (Ctrl+C in the middle of saving, a session that ends). Signals the program handles or ignores
// otherwise are left as they are. One at a time: the writer saves one file after the other.
class RemovedOnKill final {
public:
    // The file of that name in the folder open as folderDescriptor, once madeHere says it is the
    // writer's: a name that was there already (EEXIST) is someone else's and stays. Given the
    // file that is to get the name (a file without a name, linked to it), from the start, but
    // only while the name is that file's: a signal that comes as linkat returns, before the
    // writer could say madeHere, still finds the file, and one that finds someone else's leaves it.
    RemovedOnKill(int folderDescriptor, const QByteArray& name, const struct stat* file = nullptr);
    void madeHere();
    ~RemovedOnKill();
    RemovedOnKill(const RemovedOnKill&) = delete;
    RemovedOnKill& operator=(const RemovedOnKill&) = delete;
};

} // namespace faktorlupe::vergleich
