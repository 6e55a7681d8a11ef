#pragma once

#include <QImage>
#include <QWidget>

// A picture panel that keeps what is drawn on it: drawing goes into a persistent image
// that paintEvent only copies, so covering and uncovering the window loses nothing.
class PaintPanel : public QWidget
{
    Q_OBJECT
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

    const QImage &canvas() const { return m_canvas; }

signals:
    void clicked();
    void mouseMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage m_canvas;
    QColor m_back = Qt::white;
};
