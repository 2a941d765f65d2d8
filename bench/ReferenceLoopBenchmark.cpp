// The four-wide reference loop alone, for comparing a build that cannot contain it (the browser
// version, bench/web-benchmark.py) against this processor's native speed:
//     reference_loop_benchmark [N]      prints the best of three runs over 2..N in seconds
#include "ReferenceLoop.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace faktorlupe::bench;
    const std::int64_t n = argc > 1 ? std::strtoll(argv[1], nullptr, 10) : 2147483647;
    if (!haveFourWideReference()) {
        std::printf("no four-wide reference on this processor\n");
        return 2;
    }
    std::int64_t divisors = 0;
    const double seconds =
        bestSeconds(3, [&] { divisors = referenceFourWide(static_cast<double>(n), n); });
    std::printf("%.6f s for 2..%lld (%lld divisors)\n", seconds, static_cast<long long>(n),
                static_cast<long long>(divisors));
    return 0;
}
