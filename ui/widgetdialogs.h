#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QPointer>

class QDialog;

// The real message boxes, input box and modal windows.
class WidgetDialogs final : public Dialogs
{
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    void notify(const QString &text, const QString &title, const std::function<void()> &closed) override;
    bool ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer) override;
    Answer askYesNoCancel(const QString &text, const QString &title, Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &proposed) override;
    void showModal(QWidget *window) override;
    void askLater(const QString &text, const QString &title, Answer defaultAnswer,
                  const std::function<void(bool)> &answered) override;
    void closeOpen() override;
    void setScale(double factor) override { m_scale = factor; }

private:
    // Scales the box's font and remembers it as open until it closes.
    void track(QDialog *box);
    static void showBlockingEveryWindow(QDialog *box);

    double m_scale = 1.0;
    QList<QPointer<QDialog>> m_open;
};
