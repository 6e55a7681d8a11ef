#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QPointer>

class QDialog;

// The real message boxes, input box and modal windows.
class WidgetDialogs final : public Dialogs
{
public:
    // How long a box that opens by itself (notify()) takes no key: the end of a round or a
    // game may come while the player is typing answers and pressing Enter, and those keys
    // were meant for the answer box, not to close the box unread and go on past it.
    static constexpr int quietMsAfterOpeningByItself = 1000;

    explicit WidgetDialogs(int quietMs = quietMsAfterOpeningByItself) : m_quietMs(quietMs) {}

    void message(const QString &text, const QString &title, Icon icon) override;
    void notify(const QString &text, const QString &title, const std::function<void()> &closed) override;
    bool ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer) override;
    Answer askYesNoCancel(const QString &text, const QString &title, Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &proposed) override;
    void showModal(QWidget *window, Opening opening = Opening::AsAsked) override;
    void askLater(const QString &text, const QString &title, Answer defaultAnswer,
                  const std::function<void(bool)> &answered) override;
    void closeOpen() override;
    void setScale(double factor) override { m_scale = factor; }

private:
    // Scales the box's font and remembers it as open until it closes. A box that opens by
    // itself takes no key for a moment.
    void track(QDialog *box, Opening opening = Opening::AsAsked);
    static void showBlockingEveryWindow(QDialog *box);

    int m_quietMs;
    double m_scale = 1.0;
    QList<QPointer<QDialog>> m_open;
};
