#pragma once

#include "ui/printerchoice.h"
#include "game/clock.h"
#include "game/folders.h"
#include "game/randomsource.h"
#include "ui/appcontext.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <deque>

// The two header lines the game writes at the top of its score and settings files.
inline const QByteArray fileHeader = "\"Brovelt Software 2019\"\r\n\"--------------------------\"\r\n";

// A puzzle list of three rows: appel, Fiets and rode kool.
inline const QByteArray threePuzzles = "Brovelt Software 2019\r\n----------\r\nappel,fruit,boom,rood,taart\r\n"
                                       "Fiets,wiel,trappen,zadel,bel\r\nrode kool,groente,paars,stamppot,blad\r\n";

// Shows the window and makes it the active one, as the window system would for a click on
// it; false when it does not become active.
inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Takes the oldest of the queue, or 'none' when it is empty.
template <typename T>
T takeOldest(std::deque<T> &queue, T none)
{
    if (queue.empty())
        return none;
    T oldest = queue.front();
    queue.pop_front();
    return oldest;
}

// What a dialog was asked to show (a window: its class), for the tests to compare.
struct ShownDialog {
    QString text;
    // For a Yes/No question, the button Enter would press.
    Dialogs::Answer defaultAnswer = Dialogs::Answer::Yes;
};

// Answers dialogs from queues instead of a person; records everything shown.
class FakeDialogs final : public Dialogs
{
public:
    void message(const QString &text, const QString &, Icon) override
    {
        shown.append({text});
    }
    void notify(const QString &text, const QString &, const std::function<void()> &closed) override
    {
        shown.append({text});
        openNotices.push_back(closed);
    }
    bool ask(const QString &text, const QString &, Icon, Answer defaultAnswer) override
    {
        shown.append({text, defaultAnswer});
        return takeOldest(answers, false);
    }
    Answer askYesNoCancel(const QString &text, const QString &, Icon) override
    {
        shown.append({text});
        return takeOldest(threeWayAnswers, Answer::Cancel);
    }
    QString input(const QString &prompt, const QString &, const QString &) override
    {
        shown.append({prompt});
        return takeOldest(inputs, QString());
    }
    void showModal(QWidget *window, Opening opening = Opening::AsAsked) override;
    void askLater(const QString &text, const QString &title, Answer defaultAnswer,
                  const std::function<void(bool)> &answered) override;
    void closeOpen() override;
    void setScale(double factor) override { scale = factor; }

    // Dismisses the oldest notice still open, running what waits for it; false when none is open.
    bool closeNotice();
    // Answers the oldest question asked with askLater that is still open; false when none is.
    bool answerQuestion(bool yes);
    // The texts shown, in order; a question with "Nee" as its default ends " [Nee]".
    QStringList texts() const;

    // For ask(), an empty queue answering No; askLater() takes its answer from here at once
    // when one is queued, else its question stays open until answerQuestion().
    std::deque<bool> answers;
    std::deque<Answer> threeWayAnswers; // for askYesNoCancel(); an empty queue answers Cancel
    std::deque<QString> inputs;       // for input(); an empty queue cancels
    QList<ShownDialog> shown;
    // Runs for each window shown modally, before it is closed and deleted.
    std::function<void(QWidget *)> onWindow;
    std::deque<std::function<void()>> openNotices;
    std::deque<std::function<void(bool)>> openQuestions;
    // How many boxes closeOpen() found open, over the whole test.
    int closedByProgram = 0;
    double scale = 1.0;
};

// A clock the test sets and moves on by hand.
class FakeClock final : public Clock
{
public:
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic += step; }
    void advance(qint64 ms) { monotonic += ms; }

    QDateTime current = QDateTime(QDate(2026, 12, 4), QTime(9, 5, 3));
    mutable qint64 monotonic = 0;
    // Added at every read, so a wait on this clock ends after a bounded number of rounds.
    qint64 step = 5;
};

// Plays back given numbers in [0, 1), then repeats the last one.
class FakeRandom final : public RandomSource
{
public:
    double draw() override
    {
        ++draws;
        return last = takeOldest(values, last);
    }

    std::deque<double> values;
    double last = 0.0;
    int draws = 0;
};

// Printers of the test's own (none unless it names some), so no test reaches a real
// one. A job is drawn into a PDF in memory, or refused when the test says so.
class FakePrinterChoice final : public PrinterChoice
{
public:
    QStringList installed() const override { return names; }

    QStringList names;
    QString defaultName;
    bool refusesJobs = false;
    QStringList jobs; // the printers jobs were handed to

protected:
    QString systemDefault() const override { return defaultName; }
    QString send(const QString &name, const QString &documentName,
                 const std::function<bool(QPagedPaintDevice &)> &draw) override;
};

// Fresh fakes and a temporary program folder (with an empty Data folder) for one test.
struct TestContext
{
    TestContext() { QDir(dir.path()).mkpath("Data"); }

    const AppContext &context() const { return appContext; }
    QString folder() const { return dir.path(); }
    QString dataPath(const QString &name) const { return dir.path() + "/Data/" + name; }
    void writeData(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dataPath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QByteArray readData(const QString &name) const
    {
        QFile file(dataPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    FakeDialogs dialogs;
    FakeClock clock;
    FakeRandom random;
    FakePrinterChoice printers;
    // In this order: the folder before the paths in it, the fakes and paths before the context.
    QTemporaryDir dir;
    const Folders folders = Folders::beside(dir.path(), dir.path() + "/Raadkwartet");
    AppContext appContext{random, clock, folders, dialogs, printers};
};
