#pragma once

#include <QLabel>

// A keyword row's caption: each character centred on its letter tile (20 pixels a
// tile), drawn with a dark edge so the light text stays readable on the light tiles.
class KeywordTilesLabel : public QLabel
{
    Q_OBJECT
    // Read by the window scaler, which multiplies it by a window's factor.
    Q_PROPERTY(double scale READ scale WRITE setScale)
public:
    static constexpr int TileWidth = 20;
    static constexpr int TileTop = 4;     // the tiles start 4 pixels below the row
    static constexpr int TileHeight = 28;

    explicit KeywordTilesLabel(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // Design pixels to the widget's pixels, as the board around it is scaled.
    void setScale(double scale);
    double scale() const { return m_scale; }

protected:
    QRectF tile(int index) const;
    void paintEvent(QPaintEvent *event) override;

private:
    double m_scale = 1.0;
};
