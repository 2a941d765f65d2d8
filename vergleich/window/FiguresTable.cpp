#include "vergleich/window/FiguresTable.h"

#include "vergleich/output/ReadableNumbers.h"

#include <QItemSelectionModel>
#include <QString>
#include <QTableView>
#include <algorithm>
#include <utility>

namespace faktorlupe::vergleich {
namespace {

using Rows = std::vector<NumberFigures>;

// The texts of one cell for the roles that differ from column to column; an empty tooltip,
// spoken text or description is none, an empty copied text is the shown one.
struct Cell {
    Cell(QString shown = {}, QString tip = {}, QString speech = {}, QString copy = {},
         QString why = {})
        : text(std::move(shown)), tooltip(std::move(tip)), spoken(std::move(speech)),
          copied(std::move(copy)), description(std::move(why)) {}

    QString text;
    QString tooltip;
    QString spoken;
    QString copied;
    QString description; // read once after the spoken text, when the cell gets the focus
};

struct Column {
    QString heading; // a line break where a narrow column breaks it
    QString tooltip;
    Cell (*cell)(const Rows& rows, std::size_t row, std::size_t scan);
    std::size_t scan = 0; // the scan whose figures the column shows, where it shows a scan's
};

// Shown with its thousands apart, copied as a spreadsheet reads a number.
Cell wholeNumber(std::int64_t value) {
    return {groupedDigits(value), {}, {}, QString::number(value)};
}

Cell zahl(const Rows& rows, std::size_t row, std::size_t) {
    return wholeNumber(rows[row].zahl);
}

Cell divisors(const Rows& rows, std::size_t row, std::size_t) {
    return {QString::number(rows[row].divisors)};
}

Cell candidates(const Rows& rows, std::size_t row, std::size_t scan) {
    return wholeNumber(rows[row].scans[scan].candidates);
}

Cell seconds(const Rows& rows, std::size_t row, std::size_t scan) {
    const QString time = readableSeconds(rows[row].scans[scan].seconds);
    const MeasuredRange& range = rows[row].ranges[scan];
    if (range.fastest <= 0)
        return {time};
    const QString spread = QStringLiteral("Die drei Messungen liegen %1 auseinander (%2 bis %3).")
                               .arg(readablePercent(spreadOf(range)),
                                    readableSeconds(range.fastest), readableSeconds(range.slowest));
    if (!isNoisy(range))
        return {time, spread};
    const QString why = spread + QStringLiteral(" Der Rechner war nebenbei beschäftigt");
    // Heard as "99,5 ms, unsicher. Die drei Messungen liegen …": "unsicher" once, then why.
    return {time + QStringLiteral(" ⚠"),
            why + QStringLiteral("; diese Zeit ist unsicher."),
            time + QStringLiteral(", unsicher"),
            {},
            why + QLatin1Char('.')};
}

Cell factor(const Rows& rows, std::size_t row, std::size_t scan) {
    if (row == 0)
        return {};
    const double before = rows[row - 1].scans[scan].seconds;
    const double now = rows[row].scans[scan].seconds;
    if (before <= 0 || now <= 0)
        return {};
    return {readableFactor(now / before)};
}

QString scanHeading(const char* what, std::size_t scan) {
    return QStringLiteral("%1\n%2").arg(QString::fromUtf8(what),
                                        QString::fromUtf8(kScanNames[scan]));
}

// Zahl, Teiler, then for each scan its candidates, its time and its factor.
const std::vector<Column>& columns() {
    static const std::vector<Column> table = [] {
        const QString factorTooltip =
            QStringLiteral("Wie viel Mal so lange wie bei der Zahl darüber");
        std::vector<Column> all = {{QStringLiteral("Zahl"), QString(), zahl},
                                   {QStringLiteral("Teiler"), QString(), divisors}};
        for (std::size_t scan = 0; scan < kScanCount; ++scan) {
            all.push_back({scanHeading("Kandidaten", scan), QString(), candidates, scan});
            all.push_back({scanHeading("Zeit", scan), QString(), seconds, scan});
            all.push_back({scanHeading("Faktor", scan), factorTooltip, factor, scan});
        }
        return all;
    }();
    return table;
}

} // namespace

void FiguresTable::add(const NumberFigures& figures) {
    const auto place = std::upper_bound(
        m_rows.begin(), m_rows.end(), figures.zahl,
        [](std::int32_t zahl, const NumberFigures& row) { return zahl < row.zahl; });
    const int row = static_cast<int>(place - m_rows.begin());
    beginInsertRows({}, row, row);
    m_rows.insert(place, figures);
    endInsertRows();
    // The row below now has this one above it, and its factors change.
    if (row + 1 < rowCount())
        emit dataChanged(index(row + 1, 0), index(row + 1, columnCount() - 1));
}

void FiguresTable::clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int FiguresTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FiguresTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns().size());
}

QVariant FiguresTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // The view asks for many more roles on every paint; only these have texts to build.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole &&
        role != Qt::EditRole && role != Qt::AccessibleDescriptionRole)
        return {};
    const Column& column = columns()[static_cast<std::size_t>(index.column())];
    const Cell cell = column.cell(m_rows, static_cast<std::size_t>(index.row()), column.scan);
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::ToolTipRole:
        return cell.tooltip.isEmpty() ? QVariant() : cell.tooltip;
    case Qt::AccessibleTextRole:
        return cell.spoken.isEmpty() ? QVariant() : cell.spoken;
    case Qt::EditRole:
        return cell.copied.isEmpty() ? cell.text : cell.copied;
    case Qt::AccessibleDescriptionRole:
        return cell.description.isEmpty() ? QVariant() : cell.description;
    default:
        return {};
    }
}

QVariant FiguresTable::headerData(int section, Qt::Orientation orientation, int role) const {
    // The hidden row header is the row's number, which a screen reader reads with each cell
    // ("100 000 007, Zeit alle, 69,9 ms") instead of Qt's row count.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 &&
        section < rowCount())
        return groupedDigits(m_rows[static_cast<std::size_t>(section)].zahl);
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columns()[static_cast<std::size_t>(section)].heading;
    // Spoken in one breath: "Zeit alle", not "Zeit", a pause and "alle".
    if (orientation == Qt::Horizontal && role == Qt::AccessibleTextRole)
        return QString(columns()[static_cast<std::size_t>(section)].heading)
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
        const QString& tooltip = columns()[static_cast<std::size_t>(section)].tooltip;
        return tooltip.isEmpty() ? QVariant() : tooltip;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString selectedCellsText(const QTableView& view) {
    QModelIndexList selected = view.selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {};
    std::sort(selected.begin(), selected.end());
    QString text;
    int row = selected.front().row();
    for (qsizetype i = 0; i < selected.size(); ++i) {
        const QModelIndex& index = selected[i];
        if (i > 0)
            text += index.row() == row ? QLatin1Char('\t') : QLatin1Char('\n');
        row = index.row();
        text += index.data(Qt::EditRole).toString();
    }
    return text + QLatin1Char('\n');
}

} // namespace faktorlupe::vergleich
