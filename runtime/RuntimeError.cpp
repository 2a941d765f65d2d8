#include "runtime/RuntimeError.h"

#include <new>
#include <utility>

namespace faktorlupe {

std::string messageOf(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return "Ungültiger Prozeduraufruf oder ungültiges Argument";
    case ErrorNumber::Overflow:
        return "Überlauf";
    case ErrorNumber::OutOfMemory:
        return "Nicht genügend Speicher";
    case ErrorNumber::InternalError:
        return "Interner Fehler";
    }
    return "Anwendungs- oder objektdefinierter Fehler";
}

RuntimeError::RuntimeError(ErrorNumber number, std::string explanation)
    : std::runtime_error(messageOf(number)), m_number(number),
      m_explanation(std::move(explanation)) {}

std::string reportText(const RuntimeError& error) {
    std::string text = "Laufzeitfehler '" + std::to_string(error.code()) + "':\n\n" + error.what();
    if (!error.explanation().empty())
        text += "\n\n" + error.explanation();
    return text;
}

RuntimeError runtimeErrorOfCurrentException(std::string outOfMemory, std::string unexpected) {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError(ErrorNumber::OutOfMemory, std::move(outOfMemory));
    } catch (const std::exception&) {
        return RuntimeError(ErrorNumber::InternalError, std::move(unexpected));
    }
}

} // namespace faktorlupe
