#pragma once

#include "ui/dialogs.h"

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
};
