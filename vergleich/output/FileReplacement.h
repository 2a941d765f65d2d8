#pragma once

#include "vergleich/output/WriteTarget.h"

#include <QByteArray>

namespace faktorlupe::vergleich {

// Replaces a file whole or not at all: the new content goes into a file of its own in the same
// folder and takes the old one's place by one rename once all of it is on the disk, so that a
// full disk, a failing device or a kill leaves the old file as it was, and no half-written or
// hidden file behind. The new file gets the old one's permissions, or 0666 less the umask.
// Returns 0, or the system's error number.
int replaceFile(const WriteTarget& target, const QByteArray& bytes);

// Writes every byte, also where the system takes them in parts. False with errno set.
bool writeAll(int descriptor, const QByteArray& bytes);

} // namespace faktorlupe::vergleich
