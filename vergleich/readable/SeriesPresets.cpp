#include "vergleich/readable/SeriesPresets.h"

#include "vergleich/measurement/DefaultSeries.h"

namespace faktorlupe::vergleich {

const std::vector<SeriesPreset>& seriesPresets() {
    static const std::vector<SeriesPreset> all = {
        {"Standardreihe (30 Primzahlen)",
         "30 Primzahlen von 11 bis 2.147.483.647, gleichmäßig auf einer logarithmischen Skala: "
         "das Wachstum über viele Größenordnungen, in etwa einer halben Minute",
         defaultSeries},
        {"Verdopplung (Primzahlen)",
         "Primzahlen nahe 100 Mio., 200 Mio., 400 Mio., 800 Mio. und 1,6 Mrd.: jede doppelt so "
         "groß wie die vorige, in etwa zehn Sekunden",
         doublingSeries},
    };
    return all;
}

} // namespace faktorlupe::vergleich
