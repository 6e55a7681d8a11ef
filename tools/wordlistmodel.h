#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The words found by a search. Words arrive in batches of thousands; each batch is one
// insertion, so the view lays out once per batch instead of once per word.
class WordListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void append(const QStringList &words);
    void clear();

private:
    QStringList m_words;
};
