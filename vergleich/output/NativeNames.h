#pragma once

#include <QByteArray>
#include <QString>

namespace faktorlupe::vergleich {

// File names as the system holds them, bytes that need not be UTF-8, carried in a QString and
// back without loss: "\xff\xfe.csv" given on the command line must write a file of exactly those
// bytes, where QString::fromLocal8Bit would make two U+FFFD of them. Each byte that is not part
// of valid UTF-8 travels as the lone surrogate U+DC80 to U+DCFF, which valid UTF-8 never
// yields (the same escape as Python's "surrogateescape").

// The text of a name or an argument as the system gives it.
QString textOfNativeName(const QByteArray& bytes);

// The bytes of a name for the system: UTF-8, with each escaped byte given back as it came.
QByteArray nativeNameOf(const QString& text);

} // namespace faktorlupe::vergleich
