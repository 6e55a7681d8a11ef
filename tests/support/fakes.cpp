#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QWidget>

void FakeDialogs::message(const QString &text, const QString &title, Icon icon)
{
    shown.append({ShownDialog::Message, text, title, icon});
    if (onMessage)
        onMessage(text);
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

TestPlatform::TestPlatform()
{
    QDir(m_dir.path()).mkpath("Data");
    auto dialogs = std::make_unique<FakeDialogs>();
    auto clock = std::make_unique<FakeClock>();
    auto random = std::make_unique<FakeRandom>();
    m_dialogs = dialogs.get();
    m_clock = clock.get();
    m_random = random.get();
    Platform::setDialogs(std::move(dialogs));
    Platform::setClock(std::move(clock));
    Platform::setRandom(std::move(random));
    Platform::setProgramFolder(m_dir.path());
    Platform::setProgramFile(m_dir.path() + "/Raadkwartet");
}

TestPlatform::~TestPlatform()
{
    Platform::setDialogs(nullptr);
    Platform::setClock(nullptr);
    Platform::setRandom(nullptr);
    Platform::setProgramFolder(QString());
    Platform::setProgramFile(QString());
}

void TestPlatform::writeData(const QString &name, const QByteArray &bytes) const
{
    QFile file(dataPath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TestPlatform::readData(const QString &name) const
{
    QFile file(dataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
