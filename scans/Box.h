#pragma once

#include <cstddef>

namespace faktorlupe {

// The text boxes a scan reads or writes, named by their control identifiers on the main form.
enum class Box {
    txtEingabe,
    txtAlle,
    txtHalbe,
    txtWurzel,
    txtZeitAlle,
    txtZeitHalbe,
    txtZeitWurzel,
};

inline constexpr std::size_t kBoxCount = 7;

} // namespace faktorlupe
