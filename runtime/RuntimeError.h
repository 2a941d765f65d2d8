#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace faktorlupe {

// The run-time errors the program can raise. Each carries the classic BASIC error number,
// so that a report reads the way users of such programs know it.
enum class ErrorNumber {
    // A procedure got an argument outside its domain, e.g. the square root of a negative number.
    InvalidArgument = 5,
    // A value does not fit the type it is converted to, e.g. 2147483648 as a 32-bit integer.
    Overflow = 6,
    // Memory ran out, e.g. for a text far beyond anything a divisor list needs.
    OutOfMemory = 7,
    // Something failed that the program did not foresee; reported so that the program goes on.
    InternalError = 51,
};

// The one exception type of the program: an error number, its German message text and, from
// the place that knows the cause, one plain German sentence that says what happened and what to
// do instead. Raising it leaves the running handler; the window decides how to report it.
class RuntimeError final : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number, std::string explanation = {});

    ErrorNumber number() const { return m_number; }
    int code() const { return static_cast<int>(m_number); }
    const std::string& explanation() const { return m_explanation; }
    // Where an error passes a place that knows more about its cause than where it was raised.
    void explain(std::string explanation) { m_explanation = std::move(explanation); }

private:
    ErrorNumber m_number;
    std::string m_explanation;
};

// The German message text for an error number, e.g. "Überlauf" for the overflow.
std::string messageOf(ErrorNumber number);

// The text of a run-time error report, the way users of such programs know it:
// "Laufzeitfehler '6':", a blank line, "Überlauf"; then, after another blank line, the error's
// plain sentence of what happened and what to do instead. The window and the page both show it.
std::string reportText(const RuntimeError& error);

// The run-time error to report for the exception being handled, so that none unwinds through the
// window's or the page's event handling: a RuntimeError as it is, std::bad_alloc as error 7 and
// any other std::exception as the internal error 51, each of the last two with the given plain
// sentence. Called only from a catch block of std::exception.
RuntimeError runtimeErrorOfCurrentException(std::string outOfMemory, std::string unexpected);

} // namespace faktorlupe
