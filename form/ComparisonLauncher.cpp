#include "form/ComparisonLauncher.h"

#include "runtime/NumberFromText.h"
#include "runtime/RoundToInt32.h"
#include "runtime/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace faktorlupe {
namespace {

constexpr const char* kProgramName = "faktorlupe-vergleich";
// The comparison measures numbers from 2 on.
constexpr std::int32_t kSmallestCompared = 2;

// The comparison program beside the program in programFolder, or an empty text when there is
// none.
QString comparisonProgram(const QString& programFolder) {
    const QDir here(programFolder);
    for (const QString& candidate :
         {here.filePath(QString::fromUtf8(kProgramName)),
          here.filePath(QStringLiteral("../vergleich/") + QString::fromUtf8(kProgramName))}) {
        const QFileInfo program(candidate);
        if (program.isFile() && program.isExecutable())
            return program.canonicalFilePath();
    }
    return {};
}

} // namespace

QString openComparison(const QString& inputText, const QString& programFolder) {
    std::int32_t number = 0;
    try {
        // The number as the scans read it: " 12abc" is 12.
        number = roundToInt32(numberFromText(inputText.toStdString()));
    } catch (const RuntimeError&) {
        number = 0;
    }
    if (number < kSmallestCompared)
        return QStringLiteral("Laufzeitvergleich: bitte eine ganze Zahl von 2 bis 2147483647 "
                              "eingeben.");
    const QString program = comparisonProgram(programFolder);
    if (program.isEmpty())
        return QStringLiteral("Laufzeitvergleich nicht gefunden: %1 fehlt neben diesem Programm.")
            .arg(QString::fromUtf8(kProgramName));
    if (!QProcess::startDetached(program, {QStringLiteral("--fenster"), QString::number(number)}))
        return QStringLiteral("Laufzeitvergleich konnte nicht gestartet werden: %1").arg(program);
    return QStringLiteral("Laufzeitvergleich für %1 geöffnet.").arg(number);
}

} // namespace faktorlupe
