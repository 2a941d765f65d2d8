#pragma once

#include <QByteArray>

namespace faktorlupe::vergleich {

// A hidden file of the writer's that must not outlive the program: while one of these lives,
// SIGTERM, SIGINT and SIGHUP remove the file before they end the program as they would have
// (Ctrl+C in the middle of saving, a session that ends). Signals the program handles or ignores
// otherwise are left as they are. One at a time: the writer saves one file after the other.
class RemovedOnKill final {
public:
    // The file of that name in the folder open as folderDescriptor.
    RemovedOnKill(int folderDescriptor, const QByteArray& name);
    ~RemovedOnKill();
    RemovedOnKill(const RemovedOnKill&) = delete;
    RemovedOnKill& operator=(const RemovedOnKill&) = delete;
};

} // namespace faktorlupe::vergleich
