#include "vergleich/window/FiguresTable.h"

#include "vergleich/output/ReadableNumbers.h"

#include <QItemSelectionModel>
#include <QString>
#include <QTableView>
#include <algorithm>
#include <array>
#include <utility>

namespace faktorlupe::vergleich {
namespace {

using Rows = std::vector<NumberFigures>;

// The texts of one cell for the roles that differ from column to column; an empty tooltip or
// spoken text is none, an empty copied text is the shown one.
struct Cell {
    Cell(QString shown = {}, QString tip = {}, QString speech = {}, QString copy = {})
        : text(std::move(shown)), tooltip(std::move(tip)), spoken(std::move(speech)),
          copied(std::move(copy)) {}

    QString text;
    QString tooltip;
    QString spoken;
    QString copied;
};

struct Column {
    QString heading; // a line break where a narrow column breaks it
    QString tooltip;
    Cell (*cell)(const Rows& rows, std::size_t row);
};

// Whole numbers with their thousands apart: "1 600 000 009".
QString grouped(std::int64_t value) {
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

// Shown with its thousands apart, copied as a spreadsheet reads a number.
Cell wholeNumber(std::int64_t value) {
    return {grouped(value), {}, {}, QString::number(value)};
}

template <std::size_t scan> Cell candidates(const Rows& rows, std::size_t row) {
    return wholeNumber(rows[row].scans[scan].candidates);
}

template <std::size_t scan> Cell seconds(const Rows& rows, std::size_t row) {
    const QString time = readableSeconds(rows[row].scans[scan].seconds);
    const MeasuredRange& range = rows[row].ranges[scan];
    if (range.fastest <= 0)
        return {time};
    const QString spread = QStringLiteral("Die drei Messungen liegen %1 auseinander (%2 bis %3).")
                               .arg(readablePercent(spreadOf(range)),
                                    readableSeconds(range.fastest), readableSeconds(range.slowest));
    if (!isNoisy(range))
        return {time, spread};
    return {time + QStringLiteral(" ⚠"),
            spread + QStringLiteral(" Der Rechner war nebenbei beschäftigt; diese Zeit ist "
                                    "unsicher."),
            time + QStringLiteral(", unsicher")};
}

template <std::size_t scan> Cell factor(const Rows& rows, std::size_t row) {
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

const QString kFactorTooltip = QStringLiteral("Wie viel Mal so lange wie bei der Zahl darüber");

template <std::size_t scan> std::array<Column, 3> scanColumns() {
    return {{{scanHeading("Kandidaten", scan), QString(), candidates<scan>},
             {scanHeading("Zeit", scan), QString(), seconds<scan>},
             {scanHeading("Faktor", scan), kFactorTooltip, factor<scan>}}};
}

const std::array<Column, 2 + 3 * kScanCount>& columns() {
    static const std::array<Column, 2 + 3 * kScanCount> table = [] {
        std::array<Column, 2 + 3 * kScanCount> all = {{
            {QStringLiteral("Zahl"), QString(),
             [](const Rows& rows, std::size_t row) { return wholeNumber(rows[row].zahl); }},
            {QStringLiteral("Teiler"), QString(),
             [](const Rows& rows, std::size_t row) {
                 return Cell{QString::number(rows[row].divisors)};
             }},
        }};
        const std::array<std::array<Column, 3>, kScanCount> scans = {
            scanColumns<0>(), scanColumns<1>(), scanColumns<2>()};
        for (std::size_t scan = 0; scan < kScanCount; ++scan)
            std::copy(scans[scan].begin(), scans[scan].end(), all.begin() + 2 + 3 * scan);
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
    const Cell cell = columns()[static_cast<std::size_t>(index.column())].cell(
        m_rows, static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::ToolTipRole:
        return cell.tooltip.isEmpty() ? QVariant() : cell.tooltip;
    case Qt::AccessibleTextRole:
        return cell.spoken.isEmpty() ? QVariant() : cell.spoken;
    case Qt::EditRole:
        return cell.copied.isEmpty() ? cell.text : cell.copied;
    default:
        return {};
    }
}

QVariant FiguresTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columns()[static_cast<std::size_t>(section)].heading;
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
