#pragma once

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace faktorlupe::testing {

// The locales every conversion test runs under: the plain C locale and a German one, whose
// decimal comma is what breaks locale-dependent number readers.
inline const char* const kTestLocales[] = {"C", "de_DE.UTF-8"};

// Names a test row after its own name and the locale it runs under: "Preset_German".
template <typename Row> std::string nameInLocale(const Row& row, const char* locale) {
    return std::string(row.name) + (std::string(locale) == "C" ? "_C" : "_German");
}

// Sets the process locale for the length of a test and restores the previous one. A locale that
// is missing fails the test instead of quietly testing the C locale twice: the README's test
// command generates de_DE.UTF-8.
class LocaleScope final {
public:
    explicit LocaleScope(const char* name) : m_previous(std::setlocale(LC_ALL, nullptr)) {
        if (std::setlocale(LC_ALL, name) == nullptr)
            ADD_FAILURE() << "locale " << name << " is missing; run: localedef -i de_DE -f UTF-8 "
                          << "de_DE.UTF-8";
    }
    ~LocaleScope() { std::setlocale(LC_ALL, m_previous.c_str()); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    std::string m_previous;
};

} // namespace faktorlupe::testing
