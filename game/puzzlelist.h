#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <array>

// One puzzle item: the keyword and the four descriptions that point to it.
struct PuzzleEntry {
    QString keyword;
    std::array<QString, 4> descriptions; // descriptions 1 to 4 at indexes 0 to 3

    bool operator==(const PuzzleEntry &) const = default;
};

// The ordered puzzle list as a window holds it: column 0 is the keyword (the row's own
// text), columns 1 to 4 the descriptions. Rows are numbered from 1 in the program's
// texts; the model's row indexes start at 0 as Qt's do.
class PuzzleList : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int MaxRows = 999;

    explicit PuzzleList(QObject *parent = nullptr);

    void setHeaders(const QStringList &headers);

    int count() const { return int(m_rows.size()); }
    const PuzzleEntry &entry(int row) const { return m_rows.at(row); }
    const QList<PuzzleEntry> &entries() const { return m_rows; }

    void append(const PuzzleEntry &entry);
    void replace(int row, const PuzzleEntry &entry);
    void remove(int row);
    void clear();
    // Replaces every row at once: one reset instead of one insertion a row.
    void setEntries(QList<PuzzleEntry> entries);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<PuzzleEntry> m_rows;
    QStringList m_headers;
};
