#pragma once

#include <QByteArray>
#include <QString>

namespace faktorlupe::vergleich {

// Files written whole or not at all. The new content goes into a file of its own beside the old
// one and takes the old one's place only once all of it is on the disk, so that a full disk or a
// failing device leaves an old file as it was. A name that is a link writes the file the link
// leads to, as writing to it always did.

// Writes the bytes to the path that way. Returns an empty text on success, else a German sentence
// that names the path and the reason and says that an old file of that name is unchanged.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// Whether writeWholeFile could write the path, worked out without writing anything: for a
// command line to refuse a file it cannot write before a long measurement rather than after it.
// Returns an empty text when it could, else a German sentence saying why not.
QString checkWritable(const QString& path);

// Why a call of the system failed, in German words for its error number: "auf dem Datenträger
// ist kein Platz mehr" for ENOSPC; the system's own text for a number without German words here.
QString reasonOf(int errorNumber);

} // namespace faktorlupe::vergleich
