#include "support/fakes.h"

#include <QBuffer>
#include <QFile>
#include <QPdfWriter>
#include <QWidget>

// Takes the oldest of the queue, or 'none' when it is empty.
template <typename T>
static T takeOldest(std::deque<T> &queue, T none)
{
    if (queue.empty())
        return none;
    T oldest = queue.front();
    queue.pop_front();
    return oldest;
}

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
    const bool open = !openNotices.empty();
    if (const std::function<void()> closed = takeOldest(openNotices, {}))
        closed();
    return open;
}

bool FakeDialogs::answerQuestion(bool yes)
{
    const bool open = !openQuestions.empty();
    if (const std::function<void(bool)> answered = takeOldest(openQuestions, {}))
        answered(yes);
    return open;
}

void FakeDialogs::askLater(const QString &text, const QString &title, Answer defaultAnswer,
                           const std::function<void(bool)> &answered)
{
    shown.append({ShownDialog::Question, text, title, Icon::None, defaultAnswer});
    openQuestions.push_back(answered);
    if (!answers.empty())
        answerQuestion(takeOldest(answers, false));
}

void FakeDialogs::closeOpen()
{
    // Notices close unanswered; questions say No.
    closedByProgram += int(openNotices.size() + openQuestions.size());
    openNotices.clear();
    while (answerQuestion(false))
        ;
}

bool FakeDialogs::ask(const QString &text, const QString &title, Icon icon, Answer defaultAnswer)
{
    shown.append({ShownDialog::Question, text, title, icon, defaultAnswer});
    return takeOldest(answers, false);
}

Dialogs::Answer FakeDialogs::askYesNoCancel(const QString &text, const QString &title, Icon icon)
{
    shown.append({ShownDialog::Question, text, title, icon});
    return takeOldest(threeWayAnswers, Answer::Cancel);
}

QString FakeDialogs::input(const QString &prompt, const QString &title, const QString &)
{
    shown.append({ShownDialog::Input, prompt, title, Icon::None});
    return takeOldest(inputs, QString());
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
    return last = takeOldest(values, last);
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

QString FakePrinterChoice::send(const QString &name, const QString &, const std::function<bool(QPagedPaintDevice &)> &draw)
{
    jobs << name;
    if (refusesJobs)
        return refusedJobText(name);
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&pages);
    return draw(pdf) ? QString() : refusedJobText(name);
}
