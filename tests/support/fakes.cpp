#include "support/fakes.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QWidget>

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

QStringList FakeDialogs::texts() const
{
    QStringList texts;
    for (const ShownDialog &dialog : shown)
        texts << dialog.text + (dialog.defaultAnswer == Answer::No ? " [Nee]" : "");
    return texts;
}

void FakeDialogs::askLater(const QString &text, const QString &, Answer defaultAnswer,
                           const std::function<void(bool)> &answered)
{
    shown.append({text, defaultAnswer});
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

void FakeDialogs::showModal(QWidget *window, Opening)
{
    // The window counts as closed at once; it is deleted unseen.
    shown.append({window->metaObject()->className()});
    if (onWindow)
        onWindow(window);
    delete window;
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
