#pragma once

#include <cstddef>
#include <string>

namespace faktorlupe::vergleich {

// What a screen reader hears of a measuring, wherever the series is measured: once when it
// starts, once when it ends, and the progress only when asked for it, never as it goes, since a
// sentence for each of thirty numbers would drown whatever the pupil does meanwhile.

// "Messung läuft: 5 Zahlen", "Messung läuft: 1 Zahl".
std::string measuringStarted(std::size_t numbers);

// "Messung fertig: 5 Zahlen in 9,83 s": the numbers and the time the whole series took.
std::string measuringFinished(std::size_t numbers, double seconds);

// Abbrechen after three of five numbers: "Messung angehalten nach 3 von 5".
std::string measuringStopped(std::size_t done, std::size_t numbers);

// The progress as it is shown and asked for: "3 von 5".
std::string progressOf(std::size_t done, std::size_t numbers);

// The numbers of a line taken for measuring, as the line is emptied: "2 Zahlen übernommen".
std::string numbersTaken(std::size_t numbers);

} // namespace faktorlupe::vergleich
