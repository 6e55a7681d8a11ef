#pragma once

#include <QLabel>

class QAccessibleInterface;

// A picture that does something when clicked (the board's "Scherm verkleinen"). A screen
// reader sees it as the button it is, with a press action that does what the click does;
// as a plain label it would be read as an image that nothing can press.
class PressablePicture : public QLabel
{
    Q_OBJECT
public:
    explicit PressablePicture(QWidget *parent = nullptr);

    // For QAccessible::installFactory: an interface for every PressablePicture.
    static QAccessibleInterface *createInterface(const QString &className, QObject *object);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
