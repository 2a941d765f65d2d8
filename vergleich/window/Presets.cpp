#include "vergleich/window/Presets.h"

#include "vergleich/measurement/DefaultSeries.h"

namespace faktorlupe::vergleich {

const std::vector<Preset>& presets() {
    static const std::vector<Preset> all = {
        {QStringLiteral("Standardreihe (30 Primzahlen)"),
         QStringLiteral("30 Primzahlen von 11 bis 2.147.483.647, gleichmäßig auf einer "
                        "logarithmischen Skala: das Wachstum über viele Größenordnungen, in etwa "
                        "einer halben Minute"),
         defaultSeries},
        {QStringLiteral("Verdopplung (Primzahlen)"),
         QStringLiteral("Primzahlen nahe 100 Mio., 200 Mio., 400 Mio., 800 Mio. und 1,6 Mrd.: "
                        "jede doppelt so groß wie die vorige, in etwa zehn Sekunden"),
         doublingSeries},
    };
    return all;
}

} // namespace faktorlupe::vergleich
