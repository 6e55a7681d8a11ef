#pragma once

#include <QWidget>

class QAccessibleInterface;

// An invisible status object that tells a screen reader what just happened in the game,
// without taking the focus from where the player types. Each announcement becomes the
// object's name and shows it anew: AT-SPI reports the name change and the object coming
// into view as a notification, which screen readers read out whatever has the focus.
class ScreenReaderNotice : public QWidget
{
    Q_OBJECT
public:
    explicit ScreenReaderNotice(QWidget *parent = nullptr);

    void announce(const QString &text);
    // The last announcement; empty before the first.
    QString text() const { return m_text; }
    // Announcements made so far: the same text twice counts twice.
    int count() const { return m_count; }

    static QAccessibleInterface *createInterface(const QString &className, QObject *object);

private:
    QString m_text;
    int m_count = 0;
};
