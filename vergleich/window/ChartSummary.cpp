#include "vergleich/window/ChartSummary.h"

#include "vergleich/output/ChartGuide.h"
#include "vergleich/output/ReadableNumbers.h"

#include <QStringList>
#include <algorithm>

namespace faktorlupe::vergleich {
namespace {

// A sentence ends with one full stop, also after an abbreviation: "bis 1,6 Mrd.", not "Mrd..".
QString sentence(const QString& text) {
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

// "Algorithmus >alle< wächst wie n, >Hälfte< wie n, >Wurzel< wie die Wurzel von n.", from the
// guides the chart draws; empty when the numbers lie too close together to tell.
QString growthSentence(const std::vector<NumberFigures>& figures) {
    QStringList scans;
    for (std::size_t scan = 0; scan < kScanCount; ++scan)
        if (const QString growth = heardGrowth(figures, scan); !growth.isEmpty())
            scans << QStringLiteral(">%1< %2wie %3")
                         .arg(QString::fromUtf8(kScanNames[scan]),
                              scans.isEmpty() ? QStringLiteral("wächst ") : QString(), growth);
    return scans.isEmpty() ? QString()
                           : QStringLiteral(" Algorithmus ") + scans.join(QStringLiteral(", ")) +
                                 QLatin1Char('.');
}

} // namespace

QString chartSummary(const std::vector<NumberFigures>& figures) {
    if (figures.empty())
        return QStringLiteral("Noch keine Messwerte.");
    const auto [smallest, largest] = std::minmax_element(
        figures.begin(), figures.end(),
        [](const NumberFigures& a, const NumberFigures& b) { return a.zahl < b.zahl; });
    const QString text =
        sentence(figures.size() == 1
                     ? QStringLiteral("1 Zahl: %1").arg(readableNumber(smallest->zahl))
                     : QStringLiteral("%1 Zahlen von %2 bis %3")
                           .arg(figures.size())
                           .arg(readableNumber(smallest->zahl), readableNumber(largest->zahl)));
    QStringList scans;
    for (std::size_t scan = 0; scan < kScanCount; ++scan) {
        const auto time = [scan](const NumberFigures& row) { return row.scans[scan].seconds; };
        const auto [fastest, slowest] = std::minmax_element(
            figures.begin(), figures.end(),
            [&](const NumberFigures& a, const NumberFigures& b) { return time(a) < time(b); });
        scans << QStringLiteral("Algorithmus >%1<: von %2 bis %3")
                     .arg(QString::fromUtf8(kScanNames[scan]), readableSeconds(time(*fastest)),
                          readableSeconds(time(*slowest)));
    }
    return text + QLatin1Char(' ') + scans.join(QStringLiteral("; ")) + QLatin1Char('.') +
           growthSentence(figures);
}

} // namespace faktorlupe::vergleich
