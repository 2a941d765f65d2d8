#include "vergleich/commandline/ExitStatus.h"

#include "vergleich/output/FileWriting.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace faktorlupe::vergleich {

int fail(const QString& message, int status) {
    std::fprintf(stderr, "faktorlupe-vergleich: %s\n", message.toUtf8().constData());
    return status;
}

Problem<QString> flushStandardOutput() {
    errno = 0;
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.good())
        return std::nullopt;
    return QStringLiteral(
               "Die Ausgabe konnte nicht auf die Standardausgabe geschrieben werden: %1.")
        .arg(errno != 0 ? reasonOf(errno) : QStringLiteral("sie nahm sie nicht an"));
}

} // namespace faktorlupe::vergleich
