#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace faktorlupe::vergleich {

// What "Speichern …" can write; each has a file type of its own in the dialog (SaveDialog.cpp).
enum class SaveFormat { Png, Svg, Csv, SpreadsheetCsv };

struct SaveChoice {
    QString path;
    SaveFormat format;
};

// Asks where to save, in Qt's own file dialog: the file type chosen gives its ending to a name
// typed without one, an ending typed that belongs to a file type chooses that type whatever the
// list shows ("x.svg" is an SVG file, not "x.svg.png") unless the type chosen has that ending
// too ("x.csv" under "CSV für Tabellenkalkulation" is one for spreadsheets; under another file
// type it is one for spreadsheets under a German locale, else one for scripts), and an existing
// file is replaced only after a question that names it with its ending. Nothing when the user
// cancels.
std::optional<SaveChoice> askWhereToSave(QWidget* parent, const QString& suggestedName);

} // namespace faktorlupe::vergleich
