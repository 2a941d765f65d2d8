#pragma once

#include <QByteArray>

namespace faktorlupe::vergleich {

// Where writing a path ends up, found the way the system would find it, but with the links
// followed here one by one so that the writer can put its new file beside the real one. It
// keeps the kernel's rule for links in shared folders (fs.protected_symlinks): in a folder that
// everyone may write to and that is sticky, as /tmp, a link is followed only when it belongs to
// the caller or to the folder's owner, so that nobody can plant /tmp/werte.csv leading to
// another user's file and have that replaced.
struct WriteTarget {
    // A descriptor this process has open, named as /dev/stdout, /dev/fd/3 or /proc/self/fd/3:
    // written through as it is (appending where it was opened to append), never replaced.
    int descriptor = -1;
    QByteArray folder;        // otherwise the real folder, its links followed: "/home/anna"
    QByteArray name;          // and the name in it, which is no link: "werte.csv"
    int error = 0;            // the system's error number where the path leads nowhere to write
    bool foreignLink = false; // a link the rule above does not let anyone follow

    bool isDescriptor() const { return descriptor >= 0; }
    // The folder and the name together, or the descriptor's name in /proc/self/fd.
    QByteArray path() const;
};

WriteTarget writeTargetOf(const QByteArray& path);

} // namespace faktorlupe::vergleich
