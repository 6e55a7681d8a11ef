#pragma once

#include "ui/appcontext.h"
#include "tools/wordsearch.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;
class VistaButton;
class WordListModel;

// Looks words up in Data/Nederlands.lib: those that begin with, end with or contain a
// term. The list is read anew at every search and shown while it is read.
class WordSearchWindow : public QDialog
{
    Q_OBJECT
public:
    explicit WordSearchWindow(const AppContext &context, QWidget *parent = nullptr);

    // The search the Start button begins: the typed term in the chosen way.
    void search();
    // One search of the typed term in the given way, whatever option is checked; no
    // check of the term.
    void search(WordSearch::Mode mode);

    QListView *resultList() const { return m_resultList; }
    QLineEdit *searchTermBox() const { return m_searchTermBox; }
    QRadioButton *modeButton(WordSearch::Mode mode) const { return m_modeButtons[mode]; }
    VistaButton *startButton() const { return m_startButton; }
    QLabel *foundCountLabel() const { return m_foundCountLabel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QString title() const;
    void showListSoFar();

    AppContext m_context;
    WordListModel *m_words = nullptr;
    QListView *m_resultList = nullptr;
    QLineEdit *m_searchTermBox = nullptr;
    QLabel *m_searchTermLabel = nullptr;
    QRadioButton *m_modeButtons[3] = {};
    QFrame *m_startButtonFrame = nullptr;
    VistaButton *m_startButton = nullptr;
    QLabel *m_startHintLabel = nullptr;
    QLabel *m_foundCountLabel = nullptr;
    VistaButton *m_exitButton = nullptr;
};
