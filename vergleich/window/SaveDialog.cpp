#include "vergleich/window/SaveDialog.h"

#include "vergleich/output/FileWriting.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <array>

namespace faktorlupe::vergleich {
namespace {

struct FileType {
    SaveFormat format;
    QString filter;
    QString ending;
};

const std::array<FileType, 4>& fileTypes() {
    static const std::array<FileType, 4> types = {{
        {SaveFormat::Png, QStringLiteral("PNG-Bild (*.png)"), QStringLiteral("png")},
        {SaveFormat::Svg, QStringLiteral("SVG-Grafik (*.svg)"), QStringLiteral("svg")},
        {SaveFormat::Csv, QStringLiteral("CSV-Datei (*.csv)"), QStringLiteral("csv")},
        {SaveFormat::SpreadsheetCsv, QStringLiteral("CSV für Tabellenkalkulation (*.csv)"),
         QStringLiteral("csv")},
    }};
    return types;
}

const FileType* typeWithFilter(const QString& filter) {
    for (const FileType& type : fileTypes())
        if (type.filter == filter)
            return &type;
    return nullptr;
}

// The file type a typed ending stands for. Two share ".csv": under a German locale it is the one
// for spreadsheets (the last of them), since German Calc reads the script CSV's
// "8.896190777065258e-06" as text; elsewhere it is the script CSV (the first), as the one a
// spreadsheet of that locale reads. Either stays reachable by its file type.
const FileType* typeWithEnding(const QString& path) {
    const QString ending = QFileInfo(path).suffix();
    const bool german = QLocale().language() == QLocale::German;
    const FileType* found = nullptr;
    for (const FileType& type : fileTypes())
        if (ending.compare(type.ending, Qt::CaseInsensitive) == 0 && (!found || german))
            found = &type;
    return found;
}

// Qt's file dialog with German texts that asks before it replaces a file, in German and by the
// name that will be written: the one with the ending the dialog adds.
class SaveFileDialog final : public QFileDialog {
public:
    explicit SaveFileDialog(QWidget* parent) : QFileDialog(parent, QStringLiteral("Speichern")) {
        setOptions(DontUseNativeDialog | DontConfirmOverwrite);
        setAcceptMode(AcceptSave);
        setFileMode(AnyFile);
        setLabelText(LookIn, QStringLiteral("Suchen in:"));
        setLabelText(FileName, QStringLiteral("Dateiname:"));
        setLabelText(FileType, QStringLiteral("Dateityp:"));
        setLabelText(Accept, QStringLiteral("&Speichern"));
        setLabelText(Reject, QStringLiteral("Abbrechen"));
    }

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty() && QFileInfo(files.first()).isFile() && !replaceAllowed(files.first()))
            return;
        QFileDialog::accept();
    }

private:
    // By the file that would be replaced: for a link werte.csv leading to /home/anna/notizen.txt
    // that one, with its whole path.
    bool replaceAllowed(const QString& path) {
        const QString real = fileWrittenFor(path);
        const bool link = !real.isEmpty() && real != QFileInfo(path).absoluteFilePath();
        QMessageBox question(
            QMessageBox::Question, windowTitle(),
            QStringLiteral("Die Datei »%1« gibt es schon. Soll sie ersetzt werden?")
                .arg(link ? real : QFileInfo(path).fileName()),
            QMessageBox::Yes | QMessageBox::No, this);
        question.button(QMessageBox::Yes)->setText(QStringLiteral("&Ersetzen"));
        question.button(QMessageBox::No)->setText(QStringLiteral("&Nicht ersetzen"));
        question.setDefaultButton(QMessageBox::No);
        return question.exec() == QMessageBox::Yes;
    }
};

} // namespace

std::optional<SaveChoice> askWhereToSave(QWidget* parent, const QString& suggestedName) {
    SaveFileDialog dialog(parent);
    QStringList filters;
    for (const FileType& type : fileTypes())
        filters << type.filter;
    dialog.setNameFilters(filters);
    const FileType* suggested = typeWithEnding(suggestedName);
    const FileType& first = suggested ? *suggested : fileTypes().front();
    dialog.selectNameFilter(first.filter);
    dialog.setDefaultSuffix(first.ending);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         if (const FileType* type = typeWithFilter(filter))
                             dialog.setDefaultSuffix(type->ending);
                     });
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    const FileType* typed = typeWithEnding(path);
    const FileType* chosen = typeWithFilter(dialog.selectedNameFilter());
    if (chosen && (!typed || typed->ending == chosen->ending))
        return SaveChoice{path, chosen->format};
    return SaveChoice{path, typed ? typed->format : first.format};
}

} // namespace faktorlupe::vergleich
