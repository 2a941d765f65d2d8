#pragma once

#include <string>

namespace faktorlupe {

// The decimal separator of the user's locale (LC_ALL, LC_NUMERIC or LANG): "," for de_DE, "." for
// the C locale and en_US. Looked up without touching the process's global locale, so that nothing
// else in the program starts reading numbers differently. Falls back to "." when the locale is
// unknown.
std::string userDecimalSeparator();

} // namespace faktorlupe
