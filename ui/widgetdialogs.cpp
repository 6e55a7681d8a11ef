#include "ui/widgetdialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

#include <memory>

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString titleOrDefault(const QString &title)
{
    return title.isEmpty() ? Dialogs::applicationTitle() : title;
}

} // namespace

void WidgetDialogs::message(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), titleOrDefault(title), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool WidgetDialogs::ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer)
{
    QMessageBox box(boxIcon(icon), titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Dialogs::Answer WidgetDialogs::askYesNoCancel(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(boxIcon(icon), titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString WidgetDialogs::input(const QString &prompt, const QString &title, const QString &proposed)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), titleOrDefault(title), prompt,
                                                 QLineEdit::Normal, proposed, &ok);
    return ok ? answer : QString();
}

void WidgetDialogs::showModal(QWidget *window)
{
    QPointer<QWidget> guard(window);
    if (auto *dialog = qobject_cast<QDialog *>(window)) {
        dialog->exec();
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
        window->show();
        while (guard && guard->isVisible())
            loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    delete guard.data();
}

void WidgetDialogs::notify(const QString &text, const QString &title, const std::function<void()> &closed)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [closed](int) {
        if (closed)
            closed();
    });
    box->open();
}
