#include "vergleich/commandline/Arguments.h"

#include "vergleich/measurement/NumberRange.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace faktorlupe::vergleich {
namespace {

const QString kCsv = QStringLiteral("csv");
const QString kSpreadsheetCsv = QStringLiteral("csv-de");
const QString kChart = QStringLiteral("chart");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kLinear = QStringLiteral("linear");
const QString kWindow = QStringLiteral("fenster");

} // namespace

namespace {

Problem<QString> readNumberText(const QString& text, std::int32_t& number) {
    if (const Problem<std::string> problem = readNumber(text.toStdString(), number))
        return QString::fromStdString(*problem);
    return std::nullopt;
}

Problem<QString> checkChartPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        return QStringLiteral("Das Diagramm %1 braucht die Endung .png oder .svg.").arg(path);
    return std::nullopt;
}

// Each file option once and with a name: "--csv a.csv --csv b.csv" would write only b.csv, and
// "--csv=" or --csv "" (an empty variable in a script) nothing at all.
Problem<QString> checkFileOptions(const QCommandLineParser& parser) {
    for (const QString& option : {kCsv, kSpreadsheetCsv, kChart}) {
        const QStringList values = parser.values(option);
        if (values.size() > 1)
            return QStringLiteral("--%1 darf nur einmal stehen: es schreibt eine einzige Datei.")
                .arg(option);
        if (values.size() == 1 && values.first().isEmpty())
            return QStringLiteral("Nach --%1 muss ein Dateiname stehen; dort steht ein leerer.")
                .arg(option);
    }
    return std::nullopt;
}

// The options, each with the name of the value it takes, if it takes one.
QList<QCommandLineOption> options() {
    return {QCommandLineOption(kCsv, QString(), QStringLiteral("DATEI")),
            QCommandLineOption(kSpreadsheetCsv, QString(), QStringLiteral("DATEI")),
            QCommandLineOption(kChart, QString(), QStringLiteral("DATEI")),
            QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}),
            QCommandLineOption(kVersion),
            QCommandLineOption(kLinear),
            QCommandLineOption(kWindow)};
}

// An argument's option as typed ("--linear" of "--linear=1") and its name without the dashes.
struct TypedOption {
    QString typed;
    QString name;
};
TypedOption typedOption(const QString& argument) {
    TypedOption option{argument.section(QLatin1Char('='), 0, 0), {}};
    option.name = option.typed;
    while (option.name.startsWith(QLatin1Char('-')))
        option.name.remove(0, 1);
    return option;
}

// The sentence for "--linear=1": a value given to an option that takes none, which the parser only
// reports in English.
Problem<QString> valueForASwitch(const QStringList& commandLine) {
    const QList<QCommandLineOption> all = options();
    for (const QString& argument : commandLine.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')) || !argument.contains(QLatin1Char('=')))
            continue;
        const QString name = typedOption(argument).name;
        for (const QCommandLineOption& option : all)
            if (option.valueName().isEmpty() && option.names().contains(name))
                return QStringLiteral("--%1 nimmt keinen Wert an; dort steht »%2«.")
                    .arg(option.names().constLast(), argument.section(QLatin1Char('='), 1));
    }
    return std::nullopt;
}

// An option the parser names without its dashes ("schnell"), as it was typed ("--schnell").
QString asTyped(const QStringList& commandLine, const QString& name) {
    for (const QString& argument : commandLine.mid(1))
        if (const TypedOption option = typedOption(argument);
            argument.startsWith(QLatin1Char('-')) && option.name == name)
            return option.typed;
    return QLatin1String("--") + name;
}

} // namespace

QString helpText() {
    return QStringLiteral(
        "Aufruf: faktorlupe-vergleich [OPTIONEN] [ZAHL...]\n"
        "\n"
        "Misst, wie die Laufzeit der drei Algorithmen von Faktorlupe mit der Zahl wächst:\n"
        "alle (jede Zahl bis n), Hälfte (bis n/2) und Wurzel (bis zur Quadratwurzel von n).\n"
        "Jede Messung ist der Median aus drei Läufen von je mindestens 50 ms.\n"
        "\n"
        "Argumente:\n"
        "  ZAHL            ganze Dezimalzahlen von 2 bis 2147483647. Ohne Zahlen misst das\n"
        "                  Programm 30 Primzahlen, auf einer logarithmischen Skala von 10 bis\n"
        "                  2147483647 verteilt.\n"
        "\n"
        "Optionen:\n"
        "  --csv DATEI     schreibt die Messwerte zusätzlich als CSV-Datei für Programme\n"
        "                  (Komma, Sekunden mit Dezimalpunkt).\n"
        "  --csv-de DATEI  schreibt die Messwerte zusätzlich als CSV-Datei für eine deutsche\n"
        "                  Tabellenkalkulation (Semikolon, Millisekunden mit Dezimalkomma).\n"
        "  --chart DATEI   zeichnet die Messwerte als Diagramm, als PNG oder SVG je nach Endung.\n"
        "  --linear        zeichnet das Diagramm mit linearen statt logarithmischen Achsen.\n"
        "  --fenster       misst und zeichnet in einem Fenster, Zahl für Zahl; dort speichert\n"
        "                  »Speichern …«, --csv, --csv-de und --chart gelten nicht. Es nimmt\n"
        "                  auch die Optionen jedes Qt-Programms an, etwa -style NAME.\n"
        "  -h, --help      zeigt diese Hilfe an.\n"
        "  --version       zeigt die Version an.\n"
        "\n"
        "Die Tabelle erscheint auf der Standardausgabe; den Fortschritt zeigt das Programm auf\n"
        "der Standardfehlerausgabe, wenn diese ein Terminal ist.\n");
}

Problem<QString> parseArguments(const QStringList& commandLine, Arguments& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options());
    if (!parser.parse(commandLine)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            // "-5" looks like an option to the parser, but it is meant as a number.
            std::int32_t ignored = 0;
            if (!unknown.first().isEmpty() && unknown.first().front().isDigit())
                return readNumberText(QLatin1Char('-') + unknown.first(), ignored);
            arguments.window = parser.isSet(kWindow);
            arguments.unknownOption = true;
            return QStringLiteral("Unbekannte Option »%1«; --help zeigt die Optionen.")
                .arg(asTyped(commandLine, unknown.first()));
        }
        if (Problem<QString> problem = valueForASwitch(commandLine))
            return problem;
        return QStringLiteral("Nach --csv, --csv-de und --chart muss ein Dateiname stehen.");
    }
    arguments.help = parser.isSet(kHelp);
    arguments.version = parser.isSet(kVersion);
    arguments.linear = parser.isSet(kLinear);
    arguments.window = parser.isSet(kWindow);
    if (arguments.help || arguments.version)
        return std::nullopt;
    for (const QString& text : parser.positionalArguments()) {
        std::int32_t number = 0;
        if (Problem<QString> error = readNumberText(text, number))
            return error;
        arguments.numbers.push_back(number);
    }
    if (arguments.window &&
        (parser.isSet(kCsv) || parser.isSet(kSpreadsheetCsv) || parser.isSet(kChart)))
        return QStringLiteral("--csv, --csv-de und --chart gelten nur ohne --fenster; im Fenster "
                              "speichert »Speichern …« die Messwerte und das Diagramm.");
    if (Problem<QString> error = checkFileOptions(parser))
        return error;
    if (parser.isSet(kCsv))
        arguments.csvPath = parser.value(kCsv);
    if (parser.isSet(kSpreadsheetCsv))
        arguments.spreadsheetCsvPath = parser.value(kSpreadsheetCsv);
    if (parser.isSet(kChart)) {
        arguments.chartPath = parser.value(kChart);
        if (Problem<QString> error = checkChartPath(arguments.chartPath))
            return error;
    }
    return std::nullopt;
}

} // namespace faktorlupe::vergleich
