#include "vergleich/window/FiguresTable.h"

#include "vergleich/output/ReadableNumbers.h"

#include <QString>
#include <array>

namespace faktorlupe::vergleich {
namespace {

using Rows = std::vector<NumberFigures>;

struct Column {
    QString heading;
    QString (*text)(const Rows& rows, std::size_t row);
};

template <std::size_t scan> QString candidates(const Rows& rows, std::size_t row) {
    return QString::number(rows[row].scans[scan].candidates);
}

template <std::size_t scan> QString seconds(const Rows& rows, std::size_t row) {
    return readableSeconds(rows[row].scans[scan].seconds);
}

QString scanHeading(const char* what, std::size_t scan) {
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(what),
                                       QString::fromUtf8(kScanNames[scan]));
}

const std::array<Column, 2 + 2 * kScanCount>& columns() {
    static const std::array<Column, 2 + 2 * kScanCount> table = {{
        {QStringLiteral("Zahl"),
         [](const Rows& rows, std::size_t row) { return QString::number(rows[row].zahl); }},
        {QStringLiteral("Teiler"),
         [](const Rows& rows, std::size_t row) { return QString::number(rows[row].divisors); }},
        {scanHeading("Kandidaten", 0), candidates<0>},
        {scanHeading("Zeit", 0), seconds<0>},
        {scanHeading("Kandidaten", 1), candidates<1>},
        {scanHeading("Zeit", 1), seconds<1>},
        {scanHeading("Kandidaten", 2), candidates<2>},
        {scanHeading("Zeit", 2), seconds<2>},
    }};
    return table;
}

} // namespace

void FiguresTable::append(const NumberFigures& figures) {
    const int row = static_cast<int>(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.push_back(figures);
    endInsertRows();
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
    if (role == Qt::DisplayRole)
        return columns()[static_cast<std::size_t>(index.column())].text(
            m_rows, static_cast<std::size_t>(index.row()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant FiguresTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columns()[static_cast<std::size_t>(section)].heading;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace faktorlupe::vergleich
