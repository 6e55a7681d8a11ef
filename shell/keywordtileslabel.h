#pragma once

#include <QLabel>

// A keyword row's caption: each character centred on its letter tile (20 pixels a
// tile), drawn with a dark edge so the light text stays readable on the light tiles.
class KeywordTilesLabel : public QLabel
{
    Q_OBJECT
public:
    static constexpr int TileWidth = 20;
    static constexpr int TileTop = 4;     // the tiles start 4 pixels below the row
    static constexpr int TileHeight = 28;

    explicit KeywordTilesLabel(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
