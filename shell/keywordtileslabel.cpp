#include "shell/keywordtileslabel.h"

#include "game/roundbuilder.h"

#include <QPainter>

#include <cmath>

KeywordTilesLabel::KeywordTilesLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

QSize KeywordTilesLabel::sizeHint() const
{
    const qsizetype characters = qMax<qsizetype>(1, text().size());
    return QSizeF(((characters - 1) * RoundView::tileStep(characters) + TileWidth) * m_scale,
                  (TileTop + TileHeight + 4) * m_scale).toSize();
}

void KeywordTilesLabel::setScale(double scale)
{
    m_scale = scale;
    updateGeometry();
    adjustSize();
    update();
}

QRectF KeywordTilesLabel::tile(int index) const
{
    // Each character on its tile, where the tiles stand.
    return QRectF(std::round(index * RoundView::tileStep(text().size())) * m_scale, TileTop * m_scale, TileWidth * m_scale,
                  TileHeight * m_scale);
}

void KeywordTilesLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    const QColor edge(20, 20, 30);
    const QColor face = palette().color(QPalette::WindowText);
    const QString caption = text();
    for (int i = 0; i < caption.size(); ++i) {
        const QRectF box = tile(i);
        const QString letter(caption.at(i));
        p.setPen(edge);
        for (const QPointF offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1), QPointF(1, 1)})
            p.drawText(box.translated(offset * m_scale), Qt::AlignCenter, letter);
        p.setPen(face);
        p.drawText(box, Qt::AlignCenter, letter);
    }
}
