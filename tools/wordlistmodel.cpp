#include "tools/wordlistmodel.h"

#include "game/shownfield.h"

#include <algorithm>
#include <limits>

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.count());
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.count())
        return QVariant();
    // A line of the list may be megabytes long; the list shows its beginning, on one line.
    if (role == Qt::DisplayRole)
        return ShownField::shortened(m_lines.word(index.row()), ShownField::inList);
    return QVariant();
}

void WordListModel::append(const FoundLines &lines)
{
    // A view counts its rows in an int.
    const qsizetype room = std::numeric_limits<int>::max() - m_lines.count();
    const qsizetype taken = std::min(lines.count(), room);
    if (taken <= 0)
        return;
    const int first = int(m_lines.count());
    beginInsertRows(QModelIndex(), first, first + int(taken) - 1);
    m_lines.utf8 = lines.utf8;
    const qsizetype offset = m_lines.bytes.size();
    m_lines.bytes.append(lines.bytes.constData(), lines.ends.at(taken - 1));
    for (qsizetype i = 0; i < taken; ++i)
        m_lines.ends.append(offset + lines.ends.at(i));
    endInsertRows();
}

void WordListModel::clear()
{
    beginResetModel();
    m_lines = FoundLines();
    endResetModel();
}
