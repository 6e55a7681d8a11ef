#pragma once

#include "controls/vistaface.h"
#include "controls/vistastatemachine.h"

#include <QImage>
#include <QWidget>

class PropertyBag;
class QMimeData;

// The program's own push button: a glossy face drawn in one of five states (normal, hover,
// pressed, focused, disabled), worked by the mouse or the space bar, raising clicked() to the
// window that holds it. Disable it with QWidget::setEnabled: it then shows the disabled
// face, raises no signals and leaves the Tab order until it is enabled again.
class VistaButton : public QWidget
{
    Q_OBJECT
public:
    // What dragOver() reports: the drag came onto the button, left it, or moved over it.
    enum DragState { DragEntered = 0, DragLeft = 1, DragMoved = 2 };
    Q_ENUM(DragState)

    explicit VistaButton(QWidget *parent = nullptr);

    // Shift of the picture to the right and down while a press is in progress.
    int pictureOffset() const { return m_pictureOffset; }
    void setPictureOffset(int offset);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    // Draw no face in the normal, focused and disabled states, only caption and picture.
    bool noBackground() const { return m_noBackground; }
    void setNoBackground(bool noBackground);
    bool enabled() const { return m_states.enabled(); }
    QColor maskColor() const { return m_maskColor; }
    void setMaskColor(const QColor &colour);
    bool useMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use);
    // Frames laid side by side in the picture: the first for enabled, the second for disabled.
    int pictures() const { return m_pictures; }
    void setPictures(int frames);
    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // 0 normal, 1 hover, 2 pressed, 3 focused, 4 disabled.
    int state() const { return m_states.state(); }
    bool mouseIsDown() const { return m_states.mouseIsDown(); }

    // The settings of a newly placed button; the caption becomes the object name.
    void initProperties();
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    // Called from a slot connected to dragOver() or dropped(): the effect that answers the
    // drag, 0 to refuse it, 1 copy, 2 move. Without an answer the proposed effect stands.
    void answerDrag(int effect) { m_dragAnswer = effect; }

    // Does what a click does: raises clicked() while the button is enabled. The press
    // action that screen readers offer comes here.
    void click();

signals:
    void clicked();
    // Drag and drop reach the button only once the holder calls setAcceptDrops(true); the
    // button never starts a drag itself. Effect is the proposed one, as answerDrag() takes it.
    void dragOver(const QMimeData *data, int effect, int buttons, int shift, float x, float y,
                  VistaButton::DragState state);
    void dropped(const QMimeData *data, int effect, int buttons, int shift, float x, float y);
    // Key codes are Windows virtual-key codes, shift the mask 1 Shift, 2 Ctrl, 4 Alt.
    void keyDown(int keyCode, int shift);
    // A key that types one character; the code is its Windows-1252 value.
    void characterTyped(int cp1252Code);
    void keyUp(int keyCode, int shift);
    // Buttons are the mask 1 left, 2 right, 4 middle; x and y are pixels within the button.
    void mousePressed(int button, int shift, float x, float y);
    void mouseMoved(int buttons, int shift, float x, float y);
    void mouseReleased(int button, int shift, float x, float y);
    // Raised at every pointer move over the button, not only the first.
    void mouseEntered();
    // Raised once when the pointer leaves after mouseEntered(), also while a press holds it.
    void mouseLeft();

protected:
    // Paints the off-screen face for the state; the only place the face is drawn.
    virtual void drawFace(int state);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void rebuildFace();
    void paintFaceIfStale();
    void rebuildPictureSurface();
    void updateTabStop();
    void beginPress(int button, int shift, float x, float y);
    void endPress(int button, int shift, float x, float y);
    // Tells a screen reader that the button went down or came up.
    void reportPressedChange();
    void reportDrag(QDragMoveEvent *event, DragState state);

    QString m_caption;
    QColor m_foreColor = Qt::black;
    QImage m_picture;
    QImage m_pictureSurface;
    int m_pictures = 2;
    bool m_useMaskColor = true;
    QColor m_maskColor = QColor(0, 255, 0);
    bool m_noBackground = false;
    int m_pictureOffset = 0;
    QColor m_backColor = Qt::white;

    VistaStateMachine m_states;
    Qt::FocusPolicy m_savedTabStop = Qt::StrongFocus;
    bool m_tabStopChanged = false;
    // A left press that began on the button; its release inside makes a click.
    bool m_clickArmed = false;
    // Enter went down on this button; its release here makes a click. Without this, the
    // release of an Enter that closed a dialog would click the button that gets the focus.
    bool m_enterArmed = false;
    // mouseEntered() was raised and its mouseLeft() is still due.
    bool m_leaveDue = false;
    // Reading the settings redraws once at the end, not for each font or enabled change.
    bool m_reading = false;
    int m_dragAnswer = 0;

    QImage m_face;
    bool m_faceIsCurrent = false;
    QSize m_regionSize;
};
