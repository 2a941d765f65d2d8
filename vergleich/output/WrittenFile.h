#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace faktorlupe::vergleich {

// The file an output ends in, told apart as the system tells files apart (device and inode), so
// that outputs into one file are found before anything is written, whatever the names: "--csv
// out" while standard output goes to out (replacing out would lose the table), a hard link, or
// /dev/stdout beside another name of that file. A file not there yet by its real folder and name.
struct WrittenFile {
    QByteArray path; // the real path, or the descriptor's in /proc/self/fd; empty: nowhere
    dev_t device = 0;
    ino_t inode = 0;
    bool exists = false;
    // Written through a descriptor after what it has taken, as the table is: it replaces nothing.
    bool throughDescriptor = false;
};

// Where writing the path would write.
WrittenFile writtenFileOf(const QString& path);
// Where a descriptor of this process writes: 1 for the table, 2 for the messages.
WrittenFile writtenFileOf(int descriptor);

bool isSameFile(const WrittenFile& one, const WrittenFile& other);

} // namespace faktorlupe::vergleich
