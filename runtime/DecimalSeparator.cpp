#include "runtime/DecimalSeparator.h"

#include <langinfo.h>
#include <locale.h>

namespace faktorlupe {

std::string userDecimalSeparator() {
    const locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (user == static_cast<locale_t>(nullptr))
        return ".";
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    std::string separator = radix != nullptr && *radix != '\0' ? radix : ".";
    freelocale(user);
    return separator;
}

} // namespace faktorlupe
