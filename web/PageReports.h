#pragma once

namespace faktorlupe {

// What the page adds to the report of an error nobody foresaw, in a scan of its engine and in
// the page's own code alike ("Laufzeitfehler '51': Interner Fehler", then this).
inline constexpr const char* kUnexpectedOnPage =
    "Auf der Seite ist ein unerwarteter Fehler aufgetreten und die Rechnung wurde abgebrochen; "
    "die Seite läuft weiter.";

} // namespace faktorlupe
