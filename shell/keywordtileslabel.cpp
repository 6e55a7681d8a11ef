#include "shell/keywordtileslabel.h"

#include <QPainter>

KeywordTilesLabel::KeywordTilesLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

QSize KeywordTilesLabel::sizeHint() const
{
    return QSize(qMax(1, int(text().size())) * TileWidth, TileTop + TileHeight + 4);
}

void KeywordTilesLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    const QColor edge(20, 20, 30);
    const QColor face = palette().color(QPalette::WindowText);
    const QString caption = text();
    for (int i = 0; i < caption.size(); ++i) {
        const QRect tile(i * TileWidth, TileTop, TileWidth, TileHeight);
        const QString letter(caption.at(i));
        p.setPen(edge);
        for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(1, 1)})
            p.drawText(tile.translated(offset), Qt::AlignCenter, letter);
        p.setPen(face);
        p.drawText(tile, Qt::AlignCenter, letter);
    }
}
