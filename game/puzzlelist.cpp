#include "game/puzzlelist.h"

#include "game/shownfield.h"

PuzzleList::PuzzleList(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void PuzzleList::setHeaders(const QStringList &headers)
{
    m_headers = headers;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void PuzzleList::append(const PuzzleEntry &entry)
{
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(entry);
    endInsertRows();
}

void PuzzleList::replace(int row, const PuzzleEntry &entry)
{
    if (row < 0 || row >= count())
        return;
    m_rows[row] = entry;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void PuzzleList::remove(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void PuzzleList::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void PuzzleList::setEntries(QList<PuzzleEntry> entries)
{
    beginResetModel();
    m_rows = std::move(entries);
    endResetModel();
}

int PuzzleList::rowCount(const QModelIndex &parent) const
{
    // A flat table: rows have no children, which a tree view asks about.
    return parent.isValid() ? 0 : count();
}

int PuzzleList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 5;
}

QVariant PuzzleList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const PuzzleEntry &row = m_rows.at(index.row());
    const QString &field = index.column() == 0 ? row.keyword : row.descriptions[index.column() - 1];
    // A field of a megabyte, or one with line breaks, would take seconds to paint and
    // many lines of the list; the boxes show it whole.
    return role == Qt::DisplayRole ? ShownField::shortened(field, ShownField::inList) : field;
}

QVariant PuzzleList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (section >= 0 && section < m_headers.size())
            return m_headers.at(section);
        return {};
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
