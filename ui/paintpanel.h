#pragma once

#include <QImage>
#include <QWidget>

#include <variant>
#include <vector>

// A picture panel that keeps what is drawn on it. Drawing is given in the panel's design
// pixels; the panel remembers it and paints it again at the device's own pixels for its
// current scale whenever it is shown, so covering, uncovering and scaling lose nothing and
// lines and rings stay sharp at any size.
class PaintPanel : public QWidget
{
    Q_OBJECT
    // Read by the window scaler, which multiplies it by a window's factor.
    Q_PROPERTY(double scale READ scale WRITE setScale)
public:
    explicit PaintPanel(QWidget *parent = nullptr);

    // Clears the panel to its background colour (and forgets every drawing).
    void setBackColor(const QColor &colour);
    QColor backColor() const { return m_back; }

    void fillRect(const QRect &rect, const QColor &colour);
    // A one-pixel rectangle outline from (x1, y1) to (x2, y2), both corners included.
    void outline(int x1, int y1, int x2, int y2, const QColor &colour);
    void drawImage(const QRect &target, const QImage &image);
    void drawText(const QPoint &topLeft, const QString &text, const QFont &font, const QColor &colour);

    // Design pixels to the widget's pixels: 1 draws as given. Set before the panel takes
    // its scaled size, as the window scaler does: the design then fills the new size
    // exactly, however its edges were rounded.
    void setScale(double scale);
    double scale() const { return m_scale; }

    // What the panel shows, at the device's pixels.
    QImage canvas() const;

signals:
    // The pointer's position in design pixels.
    void mouseMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    struct Fill { QRect rect; QColor colour; };
    struct Outline { QRect rect; QColor colour; };
    struct Picture { QRect target; QImage image; };
    struct Text { QPoint topLeft; QString text; QFont font; QColor colour; };
    using Drawing = std::variant<Fill, Outline, Picture, Text>;

    void add(Drawing drawing, const QRect &area);
    void paintDrawing(QPainter &painter, const Drawing &drawing) const;
    // The back colour over 'area', then every drawing, in the panel's own coordinates.
    void paintAll(QPainter &painter, const QRect &area) const;
    double pixelRatio() const;
    // The painter's scale across and down: the design size stretched to the panel's.
    QPointF drawingScale() const;

    std::vector<Drawing> m_drawings;
    QColor m_back = Qt::white;
    double m_scale = 1.0;
    QSizeF m_designSize; // the size at scale 1, known once the panel is scaled
};
