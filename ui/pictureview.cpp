#include "ui/pictureview.h"

#include "common/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPicture>

namespace {

// A picture in pixels is sized whole up to this many pixels (64 MB), so its edges come out
// as in the whole picture; beyond it only the part that shows is sized.
constexpr qint64 s_largestWholeScaling = 4096 * 4096;

// The first bytes of a file that QPicture wrote.
bool isDrawing(const QByteArray &bytes)
{
    return bytes.startsWith("QPIC");
}

} // namespace

PictureView::PictureView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

PictureView::~PictureView()
{
    // A drawing still running on the other thread owns nothing of this view's.
    if (m_ahead.valid())
        m_ahead.wait();
}

PictureView::Source PictureView::read(const QString &path)
{
    Source source;
    QFile file(path);
    // A file far larger than any picture (the shipped drawing is 70 kB) is not one: read
    // whole it would cost seconds and gigabytes before the board is drawn.
    if (openRegularFile(file) && file.size() <= largestFile)
        source.bytes = file.readAll();
    source.isDrawing = isDrawing(source.bytes);
    if (source.isDrawing) {
        QPicture picture;
        picture.setData(source.bytes.constData(), uint(source.bytes.size()));
        if (!picture.isNull())
            source.designSize = picture.boundingRect().size();
    } else {
        // Only the header is read here; the pixels are decoded when first shown. A format
        // that tells no size without its pixels is decoded for it.
        QBuffer buffer(&source.bytes);
        QImageReader reader(&buffer);
        source.designSize = reader.size();
        if (!source.designSize.isValid())
            source.designSize = QImage::fromData(source.bytes).size();
    }
    if (source.designSize.isEmpty() || source.designSize.width() > largestSide
        || source.designSize.height() > largestSide)
        source = Source();
    return source;
}

bool PictureView::setSource(Source source)
{
    m_source = std::move(source);
    m_shown = QImage();
    // Without a picture there is nothing to show, not even an empty frame.
    setHidden(m_source.bytes.isEmpty());
    resize(sizeHint());
    update();
    return !m_source.bytes.isEmpty();
}

void PictureView::setScale(double scale)
{
    m_scale = scale;
    updateGeometry();
    update();
}

QSize PictureView::sizeHint() const
{
    return (QSizeF(m_source.designSize) * m_scale).toSize();
}

PictureView::Target PictureView::currentTarget() const
{
    const double ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    // A picture larger than the window it lies in is drawn only where it shows: drawn
    // whole, a large one would take gigabytes and seconds before the first paint.
    QRect shownPart = rect();
    if (const QWidget *parent = parentWidget())
        shownPart &= QRect(mapFromParent(QPoint(0, 0)), parent->size());
    const QRect area = QRectF(QPointF(shownPart.topLeft()) * ratio, QSizeF(shownPart.size()) * ratio)
                           .toAlignedRect()
                           .intersected(QRect(QPoint(0, 0), pixels));
    return {pixels, area, ratio};
}

void PictureView::renderAhead()
{
    const Target target = currentTarget();
    if (m_source.bytes.isEmpty() || target.area.isEmpty() || (m_ahead.valid() && m_aheadTarget == target))
        return;
    if (m_ahead.valid())
        m_ahead.wait();
    m_aheadTarget = target;
    // The bytes are shared read-only; the other thread reads its own copy of the picture.
    m_ahead = std::async(std::launch::async, &PictureView::render, m_source, target);
}

QImage PictureView::render(const Source &source, Target target)
{
    QImage image;
    const double scaleX = double(target.pixels.width()) / source.designSize.width();
    const double scaleY = double(target.pixels.height()) / source.designSize.height();
    if (source.isDrawing) {
        QPicture picture;
        picture.setData(source.bytes.constData(), uint(source.bytes.size()));
        image = QImage(target.area.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(-target.area.topLeft());
        painter.scale(scaleX, scaleY);
        painter.drawPicture(-picture.boundingRect().topLeft(), picture);
    } else {
        image = QImage::fromData(source.bytes);
        if (image.isNull())
            return image;
        if (qint64(target.pixels.width()) * target.pixels.height() > s_largestWholeScaling) {
            // Sized whole, the picture would take more memory than any screen shows: the
            // part that shows is cut out first, then sized alone.
            const QRectF part(target.area.x() / scaleX, target.area.y() / scaleY, target.area.width() / scaleX,
                              target.area.height() / scaleY);
            image = image.copy(part.toAlignedRect().intersected(image.rect()))
                        .scaled(target.area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        } else {
            if (image.size() != target.pixels)
                image = image.scaled(target.pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            if (target.area.size() != target.pixels)
                image = image.copy(target.area);
        }
    }
    image.setDevicePixelRatio(target.ratio);
    return image;
}

const QImage &PictureView::shown()
{
    const Target target = currentTarget();
    if (m_shownTarget == target && !m_shown.isNull())
        return m_shown;
    if (m_ahead.valid() && m_aheadTarget == target) {
        m_shown = m_ahead.get();
    } else {
        if (m_ahead.valid())
            m_ahead.wait();
        m_shown = m_source.bytes.isEmpty() || target.area.isEmpty() ? QImage() : render(m_source, target);
    }
    m_shownTarget = target;
    return m_shown;
}

void PictureView::paintEvent(QPaintEvent *)
{
    const QImage &image = shown();
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPointF(m_shownTarget.area.topLeft()) / m_shownTarget.ratio, image);
}
