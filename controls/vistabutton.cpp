#include "controls/vistabutton.h"

#include "controls/accessiblecontainer.h"
#include "controls/inputcodes.h"
#include "controls/screenreadernotice.h"
#include "controls/pressablepicture.h"
#include "controls/vistabuttonaccessible.h"
#include "common/cp1252.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace {

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Before the first widget exists: a screen reader that is already listening asks for
// each widget's interface as it is made, and an interface once made stays.
void installAccessibleInterfaces()
{
    QAccessible::installFactory(&AccessibleContainer::create);
    QAccessible::installFactory(&ScreenReaderNotice::createInterface);
    QAccessible::installFactory(&VistaButtonAccessible::create);
    QAccessible::installFactory(&PressablePicture::createInterface);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installAccessibleInterfaces)

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

void VistaButton::rebuildFace()
{
    if (m_reading || width() < 1 || height() < 1)
        return;
    if (size() != m_regionSize) {
        setMask(VistaFace::region(width(), height()));
        m_regionSize = size();
    }
    // Drawn when next painted, once, however many properties a window sets before
    // (laying out and scaling a window sets five or six).
    m_faceIsCurrent = false;
    update();
}

void VistaButton::paintFaceIfStale()
{
    // The face is drawn at the device's own pixels, so it stays sharp on a scaled screen.
    const double ratio = devicePixelRatioF();
    if (m_faceIsCurrent && m_face.deviceIndependentSize() == QSizeF(size()) && m_face.devicePixelRatio() == ratio)
        return;
    if (m_face.deviceIndependentSize() != QSizeF(size()) || m_face.devicePixelRatio() != ratio) {
        m_face = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        m_face.setDevicePixelRatio(ratio);
        // Text sizes on the image must match those of the screen the button is on.
        m_face.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        m_face.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    }
    drawFace(m_states.state());
    m_faceIsCurrent = true;
}

void VistaButton::drawFace(int state)
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
    if (width() < 1 || height() < 1)
        return;
    paintFaceIfStale();
    QPainter painter(this);
    painter.drawImage(0, 0, m_face);
}

void VistaButton::resizeEvent(QResizeEvent *)
{
    rebuildFace();
}

void VistaButton::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !m_reading) {
        // Disabling ends a press in progress: its release, once enabled again, is no click.
        if (!isEnabled())
            m_clickArmed = false;
        m_states.setEnabled(isEnabled());
        updateTabStop();
        rebuildFace();
    } else if (event->type() == QEvent::FontChange) {
        rebuildFace();
    }
}

void VistaButton::enterEvent(QEnterEvent *)
{
    if (m_states.pointerEntered())
        rebuildFace();
}

void VistaButton::leaveEvent(QEvent *)
{
    if (m_states.pointerLeft())
        rebuildFace();
    if (m_leaveDue) {
        m_leaveDue = false;
        emit mouseLeft();
    }
}

void VistaButton::reportPressedChange()
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void VistaButton::beginPress(int button, int shift, float x, float y)
{
    if (!m_states.enabled())
        return;
    emit mousePressed(button, shift, x, y);
    const bool wasDown = m_states.mouseIsDown();
    if (m_states.press())
        rebuildFace();
    if (!wasDown && m_states.mouseIsDown())
        reportPressedChange();
}

void VistaButton::endPress(int button, int shift, float x, float y)
{
    if (!m_states.enabled())
        return;
    emit mouseReleased(button, shift, x, y);
    const bool inside = x >= 0 && x < width() && y >= 0 && y < height();
    const bool wasDown = m_states.mouseIsDown();
    if (m_states.release(inside))
        rebuildFace();
    if (wasDown && !m_states.mouseIsDown())
        reportPressedChange();
}

void VistaButton::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    m_clickArmed = event->button() == Qt::LeftButton;
    beginPress(InputCodes::buttonMask(event->button()), InputCodes::shiftMask(event->modifiers()), at.x(), at.y());
}

void VistaButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_states.enabled())
        return;
    const float x = event->position().x();
    const float y = event->position().y();
    emit mouseMoved(InputCodes::buttonMask(event->buttons()), InputCodes::shiftMask(event->modifiers()), x, y);
    if (x >= 0 && x < width() && y >= 0 && y < height()) {
        m_leaveDue = true;
        emit mouseEntered();
        if (m_states.pointerMoved(true))
            rebuildFace();
    } else {
        // Only a press sends moves from outside; Qt holds back the leave event until its release.
        if (m_states.pointerMoved(false))
            rebuildFace();
        if (m_leaveDue) {
            m_leaveDue = false;
            emit mouseLeft();
        }
    }
}

void VistaButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    endPress(InputCodes::buttonMask(event->button()), InputCodes::shiftMask(event->modifiers()), at.x(), at.y());
    const bool click = m_clickArmed && event->button() == Qt::LeftButton && rect().contains(at.toPoint());
    m_clickArmed = false;
    if (click && m_states.enabled())
        emit clicked();
}

void VistaButton::click()
{
    if (m_states.enabled())
        emit clicked();
}

void VistaButton::keyPressEvent(QKeyEvent *event)
{
    // Enter works the button as the space bar does, for players who expect it to.
    const bool pressKey = event->key() == Qt::Key_Space || isEnterKey(event->key());
    if (isEnterKey(event->key()) && !event->isAutoRepeat())
        m_enterArmed = m_states.enabled();
    if (pressKey)
        beginPress(0, 0, 0, 0);
    if (!m_states.enabled())
        return;
    emit keyDown(InputCodes::keyCode(event->key()), InputCodes::shiftMask(event->modifiers()));
    const QByteArray typed = Cp1252::encode(event->text());
    // A slot of keyDown() may have disabled the button.
    if (typed.size() == 1 && m_states.enabled())
        emit characterTyped(static_cast<unsigned char>(typed.at(0)));
    // Other keys go on to the holding window, as with any widget that does not use them.
    if (!pressKey)
        event->ignore();
}

void VistaButton::keyReleaseEvent(QKeyEvent *event)
{
    // Holding a key repeats the press; only the real release counts.
    if (event->isAutoRepeat())
        return;
    const bool enterClick = isEnterKey(event->key()) && std::exchange(m_enterArmed, false);
    if (event->key() == Qt::Key_Space || enterClick) {
        endPress(0, 0, m_states.pointerInside() ? 0 : -1, 0);
        if (!m_states.enabled())
            return;
        emit clicked();
    }
    if (!m_states.enabled())
        return;
    emit keyUp(InputCodes::keyCode(event->key()), InputCodes::shiftMask(event->modifiers()));
    if (event->key() != Qt::Key_Space && !isEnterKey(event->key()))
        event->ignore();
}

void VistaButton::focusInEvent(QFocusEvent *)
{
    if (m_states.focusIn())
        rebuildFace();
}

void VistaButton::focusOutEvent(QFocusEvent *)
{
    // A press by Enter that loses the focus before its release ends without a click.
    if (std::exchange(m_enterArmed, false))
        endPress(0, 0, -1, 0);
    if (m_states.focusOut())
        rebuildFace();
}

namespace {

// Copy (1) and move (2) have the same numbers in Qt's drop actions and in the effects.
struct DropArguments {
    explicit DropArguments(const QDropEvent *event)
        : effect(int(event->dropAction()))
        , buttons(InputCodes::buttonMask(event->buttons()))
        , shift(InputCodes::shiftMask(event->modifiers()))
        , x(float(event->position().x()))
        , y(float(event->position().y()))
    {
    }
    int effect;
    int buttons;
    int shift;
    float x;
    float y;
};

void answer(QDropEvent *event, int effect)
{
    event->setDropAction(Qt::DropAction(effect & Qt::ActionMask));
    event->setAccepted(effect != 0);
}

} // namespace

void VistaButton::reportDrag(QDragMoveEvent *event, DragState state)
{
    if (!m_states.enabled())
        return;
    const DropArguments a(event);
    m_dragAnswer = a.effect;
    emit dragOver(event->mimeData(), a.effect, a.buttons, a.shift, a.x, a.y, state);
    answer(event, m_dragAnswer);
}

void VistaButton::dragEnterEvent(QDragEnterEvent *event)
{
    reportDrag(event, DragEntered);
}

void VistaButton::dragMoveEvent(QDragMoveEvent *event)
{
    reportDrag(event, DragMoved);
}

void VistaButton::dragLeaveEvent(QDragLeaveEvent *)
{
    if (m_states.enabled())
        emit dragOver(nullptr, 0, 0, 0, 0, 0, DragLeft);
}

void VistaButton::dropEvent(QDropEvent *event)
{
    if (!m_states.enabled())
        return;
    const DropArguments a(event);
    m_dragAnswer = a.effect;
    emit dropped(event->mimeData(), a.effect, a.buttons, a.shift, a.x, a.y);
    answer(event, m_dragAnswer);
}
