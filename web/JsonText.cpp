#include "web/JsonText.h"

#include <cstdio>
#include <cstdlib>

namespace faktorlupe {

std::string jsonQuoted(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string jsonNumber(double value) {
    // The fewest digits that read back as the same double: 0.6, not 0.59999999999999998.
    char text[32];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return text;
}

std::string jsonInteger(long long value) {
    return std::to_string(value);
}

void JsonObject::startField(std::string_view name) {
    if (m_json.size() > 1)
        m_json += ',';
    m_json += jsonQuoted(name) + ':';
}

JsonObject& JsonObject::text(std::string_view name, std::string_view value) {
    return written(name, jsonQuoted(value));
}

JsonObject& JsonObject::textOrNull(std::string_view name, const char* value) {
    return written(name, value != nullptr ? jsonQuoted(value) : "null");
}

JsonObject& JsonObject::number(std::string_view name, double value) {
    return written(name, jsonNumber(value));
}

JsonObject& JsonObject::integer(std::string_view name, long long value) {
    return written(name, jsonInteger(value));
}

JsonObject& JsonObject::boolean(std::string_view name, bool value) {
    return written(name, value ? "true" : "false");
}

JsonObject& JsonObject::written(std::string_view name, std::string_view json) {
    startField(name);
    m_json += json;
    return *this;
}

} // namespace faktorlupe
