#include "RuntimeError.h"

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

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(messageOf(number)), m_number(number) {}

} // namespace faktorlupe
