#pragma once

#include "shell/dialogs.h"
#include "game/platform.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>

// What a dialog was asked to show, for the tests to compare.
struct ShownDialog {
    enum Kind { Message, Question, Input, Window } kind;
    QString text;
    QString title;
    Dialogs::Icon icon = Dialogs::Icon::None;
};

// Answers dialogs from queues instead of a person; records everything shown.
class FakeDialogs final : public Dialogs
{
public:
    void message(const QString &text, const QString &title, Icon icon) override;
    bool ask(const QString &text, const QString &title, Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &proposed) override;
    void showModal(QWidget *window) override;

    std::deque<bool> answers;         // for ask(); an empty queue answers No
    std::deque<QString> inputs;       // for input(); an empty queue cancels
    QList<ShownDialog> shown;
    // Runs inside message(), as a person would act while a message box is open.
    std::function<void(const QString &)> onMessage;
};

// A clock the test sets; the monotonic count moves on by 'step' ms at every read,
// so a wait ends after a bounded number of event loop rounds.
class FakeClock final : public Clock
{
public:
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic += step; }

    QDateTime current = QDateTime(QDate(2026, 12, 4), QTime(9, 5, 3));
    mutable qint64 monotonic = 0;
    qint64 step = 5;
};

// Plays back given numbers in [0, 1), then repeats the last one.
class FakeRandom final : public RandomSource
{
public:
    double draw() override;

    std::deque<double> values;
    double last = 0.0;
    int draws = 0;
};

// Installs fresh fakes and a temporary program folder (with an empty Data folder) for
// the lifetime of one test; puts the real seams back afterwards.
class TestPlatform
{
public:
    TestPlatform();
    ~TestPlatform();

    QString folder() const { return m_dir.path(); }
    QString dataPath(const QString &name) const { return m_dir.path() + "/Data/" + name; }
    void writeData(const QString &name, const QByteArray &bytes) const;
    QByteArray readData(const QString &name) const;

    FakeDialogs &dialogs() { return *m_dialogs; }
    FakeClock &clock() { return *m_clock; }
    FakeRandom &random() { return *m_random; }

private:
    QTemporaryDir m_dir;
    FakeDialogs *m_dialogs;
    FakeClock *m_clock;
    FakeRandom *m_random;
};
