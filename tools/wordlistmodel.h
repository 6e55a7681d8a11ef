#pragma once

#include "tools/wordsearch.h"

#include <QAbstractListModel>

// The words found by a search. Words arrive in batches of thousands; each batch is one
// insertion, so the view lays out once per batch instead of once per word. They are kept
// as the list holds them and decoded only when shown: a list of millions of matching
// lines would otherwise take gigabytes.
class WordListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void append(const FoundLines &lines);
    void clear();

private:
    FoundLines m_lines;
};
