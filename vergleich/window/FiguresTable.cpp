#include "vergleich/window/FiguresTable.h"

#include "vergleich/output/ReadableNumbers.h"
#include "vergleich/readable/FigureCells.h"

#include <QItemSelectionModel>
#include <QString>
#include <QTableView>
#include <algorithm>
#include <utility>

namespace faktorlupe::vergleich {
namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void FiguresTable::add(const NumberFigures& figures) {
    const std::size_t place = rowForNumber(m_rows, figures.zahl);
    const int row = static_cast<int>(place);
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(place), figures);
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
    return parent.isValid() ? 0 : static_cast<int>(figureColumns().size());
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
    const FigureCell cell = figureCell(m_rows, static_cast<std::size_t>(index.row()),
                                       static_cast<std::size_t>(index.column()));
    const auto orNone = [](const std::string& text) {
        return text.empty() ? QVariant() : QVariant(qt(text));
    };
    switch (role) {
    case Qt::DisplayRole:
        return qt(cell.text);
    case Qt::ToolTipRole:
        return orNone(cell.tooltip);
    case Qt::AccessibleTextRole:
        return orNone(cell.spoken);
    case Qt::EditRole:
        return qt(cell.copied.empty() ? cell.text : cell.copied);
    case Qt::AccessibleDescriptionRole:
        return orNone(cell.description);
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
        return qt(figureColumns()[static_cast<std::size_t>(section)].heading);
    // Spoken in one breath: "Zeit alle", not "Zeit", a pause and "alle".
    if (orientation == Qt::Horizontal && role == Qt::AccessibleTextRole)
        return qt(figureColumns()[static_cast<std::size_t>(section)].heading)
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
        const std::string& tooltip = figureColumns()[static_cast<std::size_t>(section)].tooltip;
        return tooltip.empty() ? QVariant() : QVariant(qt(tooltip));
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
