#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QWidget>

#include <future>

// Shows a picture file at the device's own pixels. A Qt picture (drawing commands, the
// toolkit's metafile) is drawn anew at every size, so its edges stay sharp on any screen;
// any other picture format is decoded and shrunk or stretched smoothly. Nothing is
// decoded or drawn before it is needed, and then once per size; renderAhead() lets that
// work run beside the window's own start instead of before its first paint.
class PictureView : public QWidget
{
    Q_OBJECT
    // Read by the window scaler, which multiplies it by a window's factor.
    Q_PROPERTY(double scale READ scale WRITE setScale)
public:
    explicit PictureView(QWidget *parent = nullptr);
    ~PictureView() override;

    // A picture file's bytes and its size; empty when it is missing or no picture.
    struct Source {
        QByteArray bytes;
        bool isDrawing = false;
        QSize designSize;
    };
    // Reads a picture file. Touches no widget, so it may run on another thread.
    static Source read(const QString &path);
    // Shows the picture read; false (and a hidden view) when there is none. The view takes
    // the picture's size at the current scale.
    bool setSource(Source source);
    // Reads and shows the picture file at once.
    bool load(const QString &path) { return setSource(read(path)); }
    // The picture's own size, in design pixels.
    QSize designSize() const { return m_source.designSize; }

    void setScale(double scale);
    double scale() const { return m_scale; }
    QSize sizeHint() const override;

    // Starts drawing the picture for the view's present size on another thread.
    void renderAhead();
    // What the view shows, at the device's pixels: the part of the picture inside its
    // parent, from the top left of that part.
    const QImage &shown();

    // A picture wider or taller than this, in its own pixels, is not shown: no screen
    // holds it, and its size at a scale would not fit a widget's coordinates.
    static constexpr int largestSide = 16384;
    // A larger file is taken for no picture.
    static constexpr qint64 largestFile = 64 * 1024 * 1024;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Target {
        QSize pixels;   // the whole picture at the device's pixels
        QRect area;     // the part of it that shows, in the same pixels
        double ratio = 1.0;
        bool operator==(const Target &) const = default;
    };
    Target currentTarget() const;
    static QImage render(const Source &source, Target target);

    Source m_source;
    double m_scale = 1.0;
    QImage m_shown;
    Target m_shownTarget;
    std::future<QImage> m_ahead;
    Target m_aheadTarget;
};
