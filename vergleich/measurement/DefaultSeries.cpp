#include "vergleich/measurement/DefaultSeries.h"

#include <cmath>

namespace faktorlupe::vergleich {
namespace {

constexpr int kPoints = 30;
constexpr double kFirst = 10;
constexpr double kLast = 2147483647;
constexpr std::int64_t kFirstDoubled = 100'000'000;
constexpr int kDoublings = 4;

// The prime nearest to n within 2..2147483647; on a tie the smaller one.
std::int64_t nearestPrime(std::int64_t n) {
    for (std::int64_t distance = 0;; ++distance) {
        if (n - distance >= 2 && isPrime(n - distance))
            return n - distance;
        if (n + distance <= static_cast<std::int64_t>(kLast) && isPrime(n + distance))
            return n + distance;
    }
}

} // namespace

bool isPrime(std::int64_t n) {
    if (n < 2)
        return false;
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

std::vector<std::int32_t> defaultSeries() {
    std::vector<std::int32_t> series;
    const double step = std::log(kLast / kFirst) / (kPoints - 1);
    for (int i = 0; i < kPoints; ++i) {
        const auto point = static_cast<std::int64_t>(std::llround(kFirst * std::exp(step * i)));
        series.push_back(static_cast<std::int32_t>(nearestPrime(point)));
    }
    return series;
}

std::vector<std::int32_t> doublingSeries() {
    std::vector<std::int32_t> series;
    for (int i = 0; i <= kDoublings; ++i)
        series.push_back(static_cast<std::int32_t>(nearestPrime(kFirstDoubled << i)));
    return series;
}

} // namespace faktorlupe::vergleich
