#include "vergleich/measurement/MeasuringWords.h"

#include "runtime/DurationText.h"

namespace faktorlupe::vergleich {
namespace {

// "1 Zahl", "5 Zahlen".
std::string countOfNumbers(std::size_t numbers) {
    return std::to_string(numbers) + (numbers == 1 ? " Zahl" : " Zahlen");
}

} // namespace

std::string measuringStarted(std::size_t numbers) {
    return "Messung läuft: " + countOfNumbers(numbers);
}

std::string measuringFinished(std::size_t numbers, double seconds) {
    return "Messung fertig: " + countOfNumbers(numbers) + " in " + secondsWithUnit(seconds, ",");
}

std::string measuringStopped(std::size_t done, std::size_t numbers) {
    return "Messung angehalten nach " + progressOf(done, numbers);
}

std::string progressOf(std::size_t done, std::size_t numbers) {
    return std::to_string(done) + " von " + std::to_string(numbers);
}

std::string numbersTaken(std::size_t numbers) {
    return countOfNumbers(numbers) + " übernommen";
}

} // namespace faktorlupe::vergleich
