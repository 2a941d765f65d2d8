#pragma once

#include <string>
#include <string_view>

namespace faktorlupe {

// A text as a JSON string, for the scripts the page reads: quotes and backslashes escaped, and
// every control character as \u00XX, so that a line break in a report or a label stays inside
// its string. Bytes from 0x80 on pass unchanged: the texts are UTF-8, as the page's scripts are.
std::string jsonQuoted(std::string_view text);

} // namespace faktorlupe
