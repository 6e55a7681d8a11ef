#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QWidget>

void FakeDialogs::message(const QString &text, const QString &title, Icon icon)
{
    shown.append({ShownDialog::Message, text, title, icon});
}

void FakeDialogs::notify(const QString &text, const QString &title, const std::function<void()> &closed)
{
    shown.append({ShownDialog::Notice, text, title, Icon::None});
    openNotices.push_back(closed);
}

bool FakeDialogs::closeNotice()
{
    if (openNotices.empty())
        return false;
    const std::function<void()> closed = openNotices.front();
    openNotices.pop_front();
    if (closed)
        closed();
    return true;
}

bool FakeDialogs::ask(const QString &text, const QString &title, Icon icon)
{
    shown.append({ShownDialog::Question, text, title, icon});
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

Dialogs::Answer FakeDialogs::askYesNoCancel(const QString &text, const QString &title, Icon icon)
{
    shown.append({ShownDialog::Question, text, title, icon});
    if (threeWayAnswers.empty())
        return Answer::Cancel;
    const Answer answer = threeWayAnswers.front();
    threeWayAnswers.pop_front();
    return answer;
}

QString FakeDialogs::input(const QString &prompt, const QString &title, const QString &)
{
    shown.append({ShownDialog::Input, prompt, title, Icon::None});
    if (inputs.empty())
        return QString();
    const QString answer = inputs.front();
    inputs.pop_front();
    return answer;
}

void FakeDialogs::showModal(QWidget *window)
{
    // The window counts as closed at once; it is deleted unseen.
    shown.append({ShownDialog::Window, window->metaObject()->className(), window->windowTitle(), Icon::None});
    if (onWindow)
        onWindow(window);
    delete window;
}

double FakeRandom::draw()
{
    ++draws;
    if (!values.empty()) {
        last = values.front();
        values.pop_front();
    }
    return last;
}

TestContext::TestContext()
    : folders(Folders::beside(m_dir.path(), m_dir.path() + "/Raadkwartet"))
    , m_context{random, clock, folders, dialogs, printers}
{
    QDir(m_dir.path()).mkpath("Data");
}

void TestContext::writeData(const QString &name, const QByteArray &bytes) const
{
    QFile file(dataPath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TestContext::readData(const QString &name) const
{
    QFile file(dataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
