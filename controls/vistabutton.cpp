#include "controls/vistabutton.h"

#include "controls/inputcodes.h"
#include "common/cp1252.h"

#include <QApplication>
#include <QCursor>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

VistaButton::VistaButton(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_states.setEnabled(isEnabled());
    initProperties();
}

void VistaButton::rebuildPictureSurface()
{
    // An opaque copy, as an off-screen surface would hold it; a picture without area is none.
    if (!m_picture.isNull() && m_picture.width() >= 1 && m_picture.height() >= 1)
        m_pictureSurface = m_picture.convertToFormat(QImage::Format_RGB32);
    else
        m_pictureSurface = QImage();
}

void VistaButton::updateTabStop()
{
    if (!m_states.enabled()) {
        if (focusPolicy() & Qt::TabFocus) {
            m_savedTabStop = focusPolicy();
            setFocusPolicy(Qt::FocusPolicy(focusPolicy() & ~Qt::TabFocus));
            m_tabStopChanged = true;
        }
    } else if (m_tabStopChanged) {
        if (focusPolicy() != m_savedTabStop)
            setFocusPolicy(m_savedTabStop);
        // Forget the saved setting, so that a TabStop the holder switches off later is not
        // switched back on at the next enabling.
        m_tabStopChanged = false;
    }
}

void VistaButton::refresh()
{
    if (m_reading || width() < 1 || height() < 1)
        return;
    if (m_face.size() != size()) {
        m_face = QImage(size(), QImage::Format_RGB32);
        // Text sizes on the image must match those of the screen the button is on.
        m_face.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        m_face.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    draw(m_states.state());
    if (size() != m_regionSize) {
        setMask(VistaFace::region(width(), height()));
        m_regionSize = size();
    }
    update();
}

void VistaButton::draw(int state)
{
    VistaFace face;
    face.backColor = m_backColor;
    face.noBackground = m_noBackground;
    face.caption = m_caption;
    face.foreColor = m_foreColor;
    face.font = font();
    face.enabled = m_states.enabled();
    face.mouseIsDown = m_states.mouseIsDown();
    face.picture = m_pictureSurface;
    face.pictures = m_pictures;
    face.useMaskColor = m_useMaskColor;
    face.maskColor = m_maskColor;
    face.pictureOffset = m_pictureOffset;
    face.draw(m_face, state);
}

void VistaButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_face);
}

void VistaButton::resizeEvent(QResizeEvent *)
{
    refresh();
}

void VistaButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !m_reading) {
        m_states.setEnabled(isEnabled());
        updateTabStop();
        refresh();
    } else if (event->type() == QEvent::FontChange) {
        refresh();
    }
}

bool VistaButton::isMouseOver() const
{
    return QApplication::widgetAt(QCursor::pos()) == hWnd();
}

void VistaButton::mouseDown(int button, int shift, float x, float y)
{
    if (!m_states.enabled())
        return;
    emit MouseDown(button, shift, x, y);
    if (m_states.press())
        refresh();
}

void VistaButton::mouseUp(int button, int shift, float x, float y)
{
    if (!m_states.enabled())
        return;
    emit MouseUp(button, shift, x, y);
    const bool inside = x >= 0 && x < width() && y >= 0 && y < height();
    if (m_states.release(inside))
        refresh();
}

void VistaButton::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    m_clickArmed = event->button() == Qt::LeftButton;
    mouseDown(InputCodes::buttonMask(event->button()), InputCodes::shiftMask(event->modifiers()), at.x(), at.y());
}

void VistaButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_states.enabled())
        return;
    int button = InputCodes::buttonMask(event->buttons());
    int shift = InputCodes::shiftMask(event->modifiers());
    float x = event->position().x();
    float y = event->position().y();
    emit MouseMove(button, shift, x, y);
    if (x >= 0 && x < width() && y >= 0 && y < height()) {
        emit MouseIn();
        if (m_states.move(true)) {
            refresh();
            startHover();
        }
    } else if (m_states.move(false)) {
        refresh();
    }
}

void VistaButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    mouseUp(InputCodes::buttonMask(event->button()), InputCodes::shiftMask(event->modifiers()), at.x(), at.y());
    const bool click = m_clickArmed && event->button() == Qt::LeftButton && rect().contains(at.toPoint());
    m_clickArmed = false;
    if (click && m_states.enabled())
        emit Click();
}

void VistaButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        mouseDown(0, 0, 0, 0);
    if (!m_states.enabled())
        return;
    int keyCode = InputCodes::keyCode(event->key());
    int shift = InputCodes::shiftMask(event->modifiers());
    emit KeyDown(keyCode, shift);
    const QByteArray ascii = Cp1252::encode(event->text());
    if (ascii.size() == 1 && m_states.enabled()) {
        int keyAscii = static_cast<unsigned char>(ascii.at(0));
        emit KeyPress(keyAscii);
    }
    // Other keys go on to the holding window, as with any widget that does not use them.
    if (event->key() != Qt::Key_Space)
        event->ignore();
}

void VistaButton::keyReleaseEvent(QKeyEvent *event)
{
    // Holding a key repeats the press; only the real release counts.
    if (event->isAutoRepeat())
        return;
    if (event->key() == Qt::Key_Space) {
        mouseUp(0, 0, isMouseOver() ? 0 : -1, 0);
        if (!m_states.enabled())
            return;
        emit Click();
    }
    if (!m_states.enabled())
        return;
    int keyCode = InputCodes::keyCode(event->key());
    int shift = InputCodes::shiftMask(event->modifiers());
    emit KeyUp(keyCode, shift);
    if (event->key() != Qt::Key_Space)
        event->ignore();
}

void VistaButton::focusInEvent(QFocusEvent *)
{
    if (m_states.focusIn(isMouseOver()))
        refresh();
}

void VistaButton::focusOutEvent(QFocusEvent *)
{
    if (m_states.focusOut(isMouseOver()))
        refresh();
}

void VistaButton::startHover()
{
    if (m_hover)
        return;
    m_hover = new QTimer(this);
    m_hover->setObjectName(QStringLiteral("Hover"));
    m_hover->setInterval(10);
    connect(m_hover, &QTimer::timeout, this, &VistaButton::hoverTick);
    m_hover->start();
}

void VistaButton::hoverTick()
{
    if (!isMouseOver())
        endHover();
}

void VistaButton::endHover()
{
    if (!m_hover)
        return;
    // The timer is in the middle of its own timeout: detach it now, delete it later.
    QTimer *timer = m_hover;
    m_hover = nullptr;
    timer->stop();
    timer->setParent(nullptr);
    timer->deleteLater();
    if (m_states.hoverEnded())
        refresh();
    emit MouseOut();
}

namespace {

// The drag events' arguments, passed by reference so a handler may change the effect,
// which then answers the drag. Copy (1) and move (2) have the same numbers in both worlds.
struct DropArguments {
    explicit DropArguments(const QDropEvent *event)
        : effect(int(event->dropAction()))
        , button(InputCodes::buttonMask(event->buttons()))
        , shift(InputCodes::shiftMask(event->modifiers()))
        , x(float(event->position().x()))
        , y(float(event->position().y()))
    {
    }
    void answer(QDropEvent *event) const
    {
        event->setDropAction(Qt::DropAction(effect & Qt::ActionMask));
        event->setAccepted(effect != 0);
    }
    int effect;
    int button;
    int shift;
    float x;
    float y;
};

} // namespace

void VistaButton::dragOver(QDragMoveEvent *event, int dragState)
{
    if (!m_states.enabled())
        return;
    DropArguments a(event);
    emit OLEDragOver(event->mimeData(), a.effect, a.button, a.shift, a.x, a.y, dragState);
    a.answer(event);
}

void VistaButton::dragEnterEvent(QDragEnterEvent *event)
{
    dragOver(event, 0);
}

void VistaButton::dragMoveEvent(QDragMoveEvent *event)
{
    dragOver(event, 2);
}

void VistaButton::dragLeaveEvent(QDragLeaveEvent *)
{
    if (!m_states.enabled())
        return;
    int effect = 0;
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
    int leave = 1;
    emit OLEDragOver(nullptr, effect, button, shift, x, y, leave);
}

void VistaButton::dropEvent(QDropEvent *event)
{
    if (!m_states.enabled())
        return;
    DropArguments a(event);
    emit OLEDragDrop(event->mimeData(), a.effect, a.button, a.shift, a.x, a.y);
    a.answer(event);
}
