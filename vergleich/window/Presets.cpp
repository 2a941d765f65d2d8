#include "vergleich/window/Presets.h"

#include "vergleich/readable/SeriesPresets.h"

namespace faktorlupe::vergleich {

const std::vector<Preset>& presets() {
    static const std::vector<Preset> all = [] {
        std::vector<Preset> named;
        for (const SeriesPreset& preset : seriesPresets())
            named.push_back({QString::fromUtf8(preset.name), QString::fromUtf8(preset.description),
                             preset.numbers});
        return named;
    }();
    return all;
}

} // namespace faktorlupe::vergleich
