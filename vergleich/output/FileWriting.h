#pragma once

#include "vergleich/measurement/Problem.h"

#include <QByteArray>
#include <QString>

namespace faktorlupe::vergleich {

// Files written whole or not at all (FileReplacement.h): a full disk, a failing device or a kill
// leaves an old file as it was. A name that is a link writes the file the link leads to, where
// the user means the content to go (a werte.csv in a project that links to the shared data
// folder), except a link in a shared folder that someone else planted (WriteTarget.h). A name of a
// descriptor of this process (/dev/stdout, /dev/fd/3) is written through that descriptor, after
// what it has taken already, and never replaced. Names carry their bytes as NativeNames.h
// describes.

// Writes the bytes to the path that way. The problem names the path and the reason and says that
// an old file of that name is unchanged.
Problem<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

// Whether writeWholeFile could write the path, worked out without writing anything: for a
// command line to refuse a file it cannot write before a long measurement rather than after it.
// The problem says why it could not.
Problem<QString> checkWritable(const QString& path);

// The file writing the path would write, every link followed: "/home/anna/notizen.txt" for a
// link werte.csv that leads there; for a descriptor its name in /proc/self/fd. Empty where
// writing the path would fail.
QString fileWrittenFor(const QString& path);

// Why a call of the system failed, in German words for its error number: "auf dem Datenträger
// ist kein Platz mehr" for ENOSPC; the system's own text for a number without German words here.
QString reasonOf(int errorNumber);

} // namespace faktorlupe::vergleich
