#include "controls/vistabutton.h"

#include "controls/propertybag.h"

#include <QGuiApplication>
#include <QPalette>

// The button's properties and their storage in a property bag.

namespace {

// Stored colours are 32-bit values with red in the low byte, as the settings files hold them.
int toStored(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor fromStored(const QVariant &value)
{
    const int v = value.toInt();
    return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}

} // namespace

void VistaButton::initProperties()
{
    m_reading = true;
    m_caption = objectName();
    m_foreColor = Qt::black;
    QFont arial = font();
    arial.setFamily(QStringLiteral("Arial"));
    // The size is made the button's own as well: a size still taken from the window would
    // grow once with the window's font and again when the window scales its controls.
    if (arial.pointSizeF() > 0)
        arial.setPointSizeF(arial.pointSizeF());
    else
        arial.setPixelSize(arial.pixelSize());
    setFont(arial);
    m_pictures = 2;
    m_useMaskColor = true;
    m_maskColor = QColor(0, 255, 0);
    QWidget::setEnabled(true);
    m_noBackground = false;
    m_pictureOffset = 0;
    m_picture = QImage();
    m_backColor = Qt::white;
    m_reading = false;
    rebuildPictureSurface();
    m_states.setEnabled(isEnabled());
    updateTabStop();
    rebuildFace();
}

void VistaButton::readProperties(const PropertyBag &bag)
{
    m_reading = true;
    m_caption = bag.readProperty(QStringLiteral("Caption"), m_caption).toString();
    m_foreColor = fromStored(bag.readProperty(QStringLiteral("ForeColor"), toStored(m_foreColor)));
    setFont(bag.readProperty(QStringLiteral("Font"), font()).value<QFont>());
    m_picture = bag.readProperty(QStringLiteral("Picture"), m_picture).value<QImage>();
    // Stored as read: only the property write keeps the frame count within 1 and 2.
    m_pictures = bag.readProperty(QStringLiteral("Pictures"), m_pictures).toInt();
    m_useMaskColor = bag.readProperty(QStringLiteral("UseMaskColor"), m_useMaskColor).toBool();
    m_maskColor = fromStored(bag.readProperty(QStringLiteral("MaskColor"), toStored(m_maskColor)));
    QWidget::setEnabled(bag.readProperty(QStringLiteral("Enabled"), enabled()).toBool());
    m_noBackground = bag.readProperty(QStringLiteral("NoBackground"), m_noBackground).toBool();
    m_backColor = fromStored(bag.readProperty(QStringLiteral("BackColor"),
                                              toStored(QGuiApplication::palette().color(QPalette::Button))));
    m_pictureOffset = bag.readProperty(QStringLiteral("PictureOffset"), m_pictureOffset).toInt();
    m_reading = false;

    rebuildPictureSurface();
    // The enabled change was held back while reading; a button that stays enabled keeps its state.
    if (m_states.enabled() != isEnabled())
        m_states.setEnabled(isEnabled());
    updateTabStop();
    rebuildFace();
}

void VistaButton::writeProperties(PropertyBag &bag) const
{
    bag.writeProperty(QStringLiteral("Caption"), m_caption);
    bag.writeProperty(QStringLiteral("ForeColor"), toStored(m_foreColor));
    bag.writeProperty(QStringLiteral("Font"), font());
    bag.writeProperty(QStringLiteral("Picture"), m_picture);
    bag.writeProperty(QStringLiteral("Pictures"), m_pictures);
    bag.writeProperty(QStringLiteral("UseMaskColor"), m_useMaskColor);
    bag.writeProperty(QStringLiteral("MaskColor"), toStored(m_maskColor));
    // The button's own setting, not the one a disabled container imposes.
    bag.writeProperty(QStringLiteral("Enabled"), !testAttribute(Qt::WA_ForceDisabled));
    bag.writeProperty(QStringLiteral("NoBackground"), m_noBackground);
    bag.writeProperty(QStringLiteral("BackColor"), toStored(m_backColor));
    bag.writeProperty(QStringLiteral("PictureOffset"), m_pictureOffset);
}

void VistaButton::setPictureOffset(int offset)
{
    if (m_pictureOffset == offset)
        return;
    m_pictureOffset = offset;
    rebuildFace();
}

void VistaButton::setBackColor(const QColor &colour)
{
    if (m_backColor == colour)
        return;
    m_backColor = colour;
    rebuildFace();
}

void VistaButton::setNoBackground(bool noBackground)
{
    if (m_noBackground == noBackground)
        return;
    m_noBackground = noBackground;
    rebuildFace();
}

void VistaButton::setMaskColor(const QColor &colour)
{
    if (m_maskColor == colour)
        return;
    m_maskColor = colour;
    rebuildFace();
}

void VistaButton::setUseMaskColor(bool use)
{
    if (m_useMaskColor == use)
        return;
    m_useMaskColor = use;
    rebuildFace();
}

void VistaButton::setPictures(int frames)
{
    const int kept = std::clamp(frames, 1, 2);
    if (m_pictures == kept)
        return;
    m_pictures = kept;
    rebuildFace();
}

void VistaButton::setPicture(const QImage &picture)
{
    if (m_picture == picture)
        return;
    m_picture = picture;
    rebuildPictureSurface();
    rebuildFace();
}

void VistaButton::setForeColor(const QColor &colour)
{
    if (m_foreColor == colour)
        return;
    m_foreColor = colour;
    rebuildFace();
}

void VistaButton::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    rebuildFace();
}
