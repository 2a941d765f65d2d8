#include "vergleich/commandline/ExitStatus.h"

#include <cstdio>

namespace faktorlupe::vergleich {

int fail(const QString& message, int status) {
    std::fprintf(stderr, "faktorlupe-vergleich: %s\n", message.toUtf8().constData());
    return status;
}

} // namespace faktorlupe::vergleich
