#pragma once

#include "controls/vistabutton.h"
#include "shell/mainwindow.h"
#include "support/fakes.h"

#include <QMap>

#include <memory>

// The main window over a test's own program folder, laid out for a screen of the given size.
struct GameWindow : TestContext
{
    explicit GameWindow(QSize screen = QSize(1280, 1024), const QByteArray &puzzles = threePuzzles)
    {
        writeData("Puzzel.lib", puzzles);
        window = std::make_unique<MainWindow>(context());
        window->layOut(screen);
    }
    // What Start then plays: the names given to the name question in turn, and of the three
    // puzzles rows 1, 2, 3 in that order, in order 1 (reading order).
    void prepareStart(const QStringList &names = {QStringLiteral("Anna")})
    {
        dialogs.inputs.assign(names.begin(), names.end());
        random.values = {0.0, 0.34, 0.67, 0.0};
    }
    void start(const QStringList &names = {QStringLiteral("Anna")})
    {
        prepareStart(names);
        QTest::mouseClick(window->menuButtons[MainWindow::Start], Qt::LeftButton);
    }

    std::unique_ptr<MainWindow> window;
};

// Each side window by the main window's command that opens it.
inline const QMap<QString, void (MainWindow::*)()> sideWindowOpeners = {
    {QStringLiteral("settings"), &MainWindow::openSettings}, {QStringLiteral("editor"), &MainWindow::openEditor},
    {QStringLiteral("scores"), &MainWindow::showScores},     {QStringLiteral("wordsearch"), &MainWindow::openWordSearch},
    {QStringLiteral("proverbs"), &MainWindow::openProverbs}, {QStringLiteral("about"), &MainWindow::showAbout},
};
