#pragma once

#include <QObject>
#include <QTimer>

class MainWindow;
class ScreenReaderNotice;
struct RoundView;

// The main window as a screen reader reads it: a Dutch name on every control (slots read
// as their description or as hidden, keyword rows, score, clock, player), decorations left
// out, the Tab order of the screen, and announcements of what the game does (a find, a
// bought keyword, a new round, the last minute, the end) that leave the focus where the
// player types. Made once the window is laid out; lives as long as the window.
class BoardAccessibility : public QObject
{
    Q_OBJECT
public:
    explicit BoardAccessibility(MainWindow &window);

    ScreenReaderNotice *notice() const { return m_notice; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void nameControls();
    void setTabOrder();
    void connectGame();
    void nameSlots(const RoundView &view);
    // The board's description: the rows still to find, with their letter counts.
    void describeRowsToFind();
    void nameKeywordRow(int row, const QString &keyword);
    void nameScore(qint32 score);
    void nameClock(const QString &text);
    void namePlayer(const QString &name);
    void announce(const QString &text);
    void announceWaiting();

    MainWindow &m_window;
    ScreenReaderNotice *m_notice = nullptr;
    // Seconds left at the last tick, to announce the last minute once as it begins.
    qint32 m_lastSecondsLeft = 0;
    // An announcement made while the board had not the keyboard, and how long it waits.
    QString m_waiting;
    QTimer m_waitingTimer;
};
