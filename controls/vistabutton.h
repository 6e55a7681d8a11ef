#pragma once

#include "controls/vistaface.h"
#include "controls/vistastatemachine.h"

#include <QImage>
#include <QWidget>

class PropertyBag;
class QMimeData;
class QTimer;

// The program's own push button: a glossy face drawn in one of five states (normal, hover,
// pressed, focused, disabled), worked by the mouse or the space bar, raising Click to the
// window that holds it. Disable it with QWidget::setEnabled: it then shows the disabled
// face, raises no events and leaves the Tab order until it is enabled again.
class VistaButton : public QWidget
{
    Q_OBJECT
public:
    explicit VistaButton(QWidget *parent = nullptr);

    // The handle that the window-under-pointer test compares with.
    const QWidget *hWnd() const { return this; }

    // Shift of the picture to the right and down while a press is in progress.
    int pictureOffset() const { return m_pictureOffset; }
    void setPictureOffset(int nValue);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &nValue);
    // Draw no face in the normal, focused and disabled states, only caption and picture.
    bool noBackground() const { return m_noBackground; }
    void setNoBackground(bool nValue);
    bool enabled() const { return m_states.enabled(); }
    QColor maskColor() const { return m_maskColor; }
    void setMaskColor(const QColor &nValue);
    bool useMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool nValue);
    // Frames laid side by side in the picture: the first for enabled, the second for disabled.
    int pictures() const { return m_pictures; }
    void setPictures(int nValue);
    QImage picture() const { return m_picture; }
    void setPicture(const QImage &nValue);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &nValue);
    QString caption() const { return m_caption; }
    void setCaption(const QString &nValue);

    // 0 normal, 1 hover, 2 pressed, 3 focused, 4 disabled.
    int state() const { return m_states.state(); }
    bool mouseIsDown() const { return m_states.mouseIsDown(); }

    // The settings of a newly placed button; the caption becomes the object name.
    void initProperties();
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

signals:
    void Click();
    // The drag-and-drop pass-throughs. Only OLEDragOver and OLEDragDrop can be raised, and
    // only once the holder calls setAcceptDrops(true): the button never starts a drag itself,
    // so the other four exist for holders that connect to them but never fire.
    void OLECompleteDrag(int &Effect);
    void OLEDragDrop(const QMimeData *Data, int &Effect, int &Button, int &Shift, float &X, float &Y);
    void OLEDragOver(const QMimeData *Data, int &Effect, int &Button, int &Shift, float &X, float &Y, int &State);
    void OLEGiveFeedback(int &Effect, bool &DefaultCursors);
    void OLESetData(const QMimeData *Data, int &DataFormat);
    void OLEStartDrag(const QMimeData *Data, int &AllowedEffects);
    // Key codes are Windows virtual-key codes, Shift the mask 1 Shift, 2 Ctrl, 4 Alt.
    void KeyDown(int &KeyCode, int &Shift);
    void KeyPress(int &KeyAscii);
    void KeyUp(int &KeyCode, int &Shift);
    // Button is the mask 1 left, 2 right, 4 middle; X and Y are pixels within the button.
    void MouseDown(int &Button, int &Shift, float &X, float &Y);
    void MouseMove(int &Button, int &Shift, float &X, float &Y);
    void MouseUp(int &Button, int &Shift, float &X, float &Y);
    void MouseIn();
    void MouseOut();

protected:
    // Whether the window under the pointer is this button; overridable because not every
    // platform (offscreen tests) reports the pointer's position.
    virtual bool isMouseOver() const;
    // Paints the off-screen face for the state; the only place the face is drawn.
    virtual void draw(int state);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
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
    void refresh();
    void rebuildPictureSurface();
    void updateTabStop();
    void mouseDown(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void startHover();
    void hoverTick();
    void endHover();
    void dragOver(QDragMoveEvent *event, int dragState);

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
    // A left press that began on the button; its release inside makes a Click.
    bool m_clickArmed = false;
    // Reading the settings redraws once at the end, not for each font or enabled change.
    bool m_reading = false;

    QImage m_face;
    QSize m_regionSize;
    QTimer *m_hover = nullptr;
};
