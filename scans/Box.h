#pragma once

#include <array>
#include <cstddef>
#include <string_view>

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

// The control identifier of each box, in the order of the enumeration.
inline constexpr std::array<std::string_view, kBoxCount> kBoxNames = {
    "txtEingabe",  "txtAlle",      "txtHalbe",      "txtWurzel",
    "txtZeitAlle", "txtZeitHalbe", "txtZeitWurzel",
};

constexpr std::string_view boxName(Box box) {
    return kBoxNames[static_cast<std::size_t>(box)];
}

} // namespace faktorlupe
