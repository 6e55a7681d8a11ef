#include "tools/wordlistmodel.h"

#include "game/shownfield.h"

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_words.size());
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_words.size())
        return QVariant();
    // A line of the list may be megabytes long; the list shows its beginning, on one line.
    if (role == Qt::DisplayRole)
        return ShownField::shortened(m_words.at(index.row()), ShownField::inList);
    return QVariant();
}

void WordListModel::append(const QStringList &words)
{
    if (words.isEmpty())
        return;
    const int first = int(m_words.size());
    beginInsertRows(QModelIndex(), first, first + int(words.size()) - 1);
    m_words.append(words);
    endInsertRows();
}

void WordListModel::clear()
{
    beginResetModel();
    m_words.clear();
    endResetModel();
}
