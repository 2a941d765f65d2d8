#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace faktorlupe {

// A text as a JSON string, for the scripts the page reads: quotes and backslashes escaped, and
// every control character as \u00XX, so that a line break in a report or a label stays inside
// its string. Bytes from 0x80 on pass unchanged: the texts are UTF-8, as the page's scripts are.
std::string jsonQuoted(std::string_view text);

// A double as JSON, so that JSON.parse gives back the same value: "0.6", "8.8961907770652581e-06".
std::string jsonNumber(double value);

// A whole number as JSON: "-12".
std::string jsonInteger(long long value);

// A JSON object written field by field:
//   JsonObject().text("name", "txtEingabe").integer("left", 360).json()
// gives {"name":"txtEingabe","left":360}.
class JsonObject {
public:
    JsonObject& text(std::string_view name, std::string_view value);
    // A missing text (nullptr) as null.
    JsonObject& textOrNull(std::string_view name, const char* value);
    JsonObject& number(std::string_view name, double value);
    JsonObject& integer(std::string_view name, long long value);
    JsonObject& boolean(std::string_view name, bool value);
    // A value written as JSON already: an object, an array or null.
    JsonObject& written(std::string_view name, std::string_view json);
    std::string json() const { return m_json + "}"; }

private:
    void startField(std::string_view name);

    std::string m_json = "{";
};

// The items as a JSON array, each written as JSON by write: jsonArray(numbers, jsonNumber).
template <typename Items, typename Write>
std::string jsonArray(const Items& items, Write write, std::string_view separator = ",") {
    std::string json = "[";
    for (const auto& item : items)
        json += (json.size() > 1 ? std::string(separator) : std::string()) + write(item);
    return json + "]";
}

// Items written as JSON already, as a JSON array.
inline std::string jsonArray(const std::vector<std::string>& written) {
    return jsonArray(written, [](const std::string& item) { return item; });
}

} // namespace faktorlupe
