#include "tools/wordsearchwindow.h"

#include "common/twips.h"
#include "controls/accessiblecontainer.h"
#include "controls/vistabutton.h"
#include "controls/look.h"
#include "game/folders.h"
#include "game/blanks.h"
#include "ui/dialogs.h"
#include "tools/wordcountfile.h"
#include "tools/wordlistmodel.h"
#include "ui/typedtext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

// The first showing of a growing list comes after a frame: progress at the screen's pace.
constexpr qint64 s_frameMs = 16;

const QString s_wordList = QStringLiteral("Nederlands.lib");

} // namespace

WordSearchWindow::WordSearchWindow(const AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    createControls();
}

QString WordSearchWindow::title() const
{
    const QString title = QStringLiteral("Zoeken in Database");
    const std::optional<qint64> words = WordCountFile::read(
        m_context.folders.shippedFile(QStringLiteral("Nederlands.count")), m_context.folders.shippedFile(s_wordList));
    // Without a count that belongs to this list, no number rather than a wrong one.
    if (!words)
        return title;
    return title + QStringLiteral(" (") + QLocale(QLocale::Dutch, QLocale::Netherlands).toString(*words)
        + QStringLiteral(" Woorden)");
}

void WordSearchWindow::createControls()
{
    Look::setUpFixedWindow(this, title(), 8400, 4020);
    setFont(Look::arial(8.25));
    setAutoFillBackground(true);
    Look::setColour(this, QPalette::Window, QColor(230, 230, 190));
    const double dpi = logicalDpiY();

    m_words = new WordListModel(this);
    m_resultList = new QListView(this);
    m_resultList->setGeometry(Twips::rect(150, 180, 3300, 3180, dpi));
    m_resultList->setFont(Look::arial(9.75));
    m_resultList->setUniformItemSizes(true);
    m_resultList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultList->setModel(m_words);
    Look::setColour(m_resultList, QPalette::Base, QColor(30, 0, 0));
    Look::setColour(m_resultList, QPalette::Text, QColor(230, 230, 230));

    m_searchTermBox = new QLineEdit(QStringLiteral("Woord"), this);
    TypedText::keepWhole(m_searchTermBox);
    m_searchTermBox->setGeometry(Twips::rect(3600, 195, 2100, 330, dpi));
    m_searchTermBox->setFont(Look::arial(9.75));
    Look::setColour(m_searchTermBox, QPalette::Base, QColor(210, 210, 190));
    Look::setColour(m_searchTermBox, QPalette::Text, Qt::black);
    m_searchTermBox->installEventFilter(this);

    const auto label = [this, dpi](const QString &caption, int left, int top) {
        auto *l = new QLabel(caption, this);
        l->setFont(Look::arial(9.75));
        l->move(Twips::rect(left, top, 0, 0, dpi).topLeft());
        l->adjustSize();
        return l;
    };
    m_searchTermLabel = label(QStringLiteral("Trefwoord (Min.3 tekens)"), 5790, 240);

    const QString modes[3] = {QStringLiteral("Woorden die beginnen met het trefwoord."),
                              QStringLiteral("Woorden die eindigen op het trefwoord."),
                              QStringLiteral("Woorden die het trefwoord bevatten.")};
    for (int i = 0; i < 3; ++i) {
        m_modeButtons[i] = new QRadioButton(modes[i], this);
        m_modeButtons[i]->setGeometry(Twips::rect(4050, 900 + 330 * i, 4050, 330, dpi));
        m_modeButtons[i]->setFont(Look::arial(9.75));
    }
    m_modeButtons[WordSearch::BeginsWith]->setChecked(true);

    // The frame lies behind the button, 30 twips outside it on every side.
    m_startButtonFrame = new QFrame(this);
    m_startButtonFrame->setFrameShape(QFrame::Box);
    m_startButtonFrame->setGeometry(Twips::rect(3870, 2220, 1050, 390, dpi));

    m_startButton = new VistaButton(this);
    m_startButton->setCaption(QStringLiteral("Start"));
    m_startButton->setBackColor(QColor(128, 255, 128));
    m_startButton->setNoBackground(true);
    m_startButton->setFont(Look::arial(9.75));
    m_startButton->setGeometry(Twips::rect(3900, 2250, 990, 330, dpi));
    connect(m_startButton, &VistaButton::clicked, this, qOverload<>(&WordSearchWindow::search));

    m_startHintLabel = label(QStringLiteral("Start met zoeken"), 4980, 2295);
    Look::setColour(m_startHintLabel, QPalette::WindowText, QColor(190, 0, 0));
    m_foundCountLabel = label(QStringLiteral("0 Woorden"), 3570, 3090);

    m_exitButton = new VistaButton(this);
    m_exitButton->setCaption(QStringLiteral("Exit"));
    m_exitButton->setBackColor(Qt::white);
    m_exitButton->setFont(Look::arial(8.25));
    m_exitButton->setGeometry(Twips::rect(7110, 3000, 990, 360, dpi));
    connect(m_exitButton, &VistaButton::clicked, this, &QDialog::accept);

    // The window opens with the keyboard in the term box and its "Woord" chosen, so what
    // the player types at once replaces it.
    m_searchTermBox->setFocus(Qt::OtherFocusReason);
    m_searchTermBox->selectAll();
    // Enter in the term box searches, as the Start button does.
    connect(m_searchTermBox, &QLineEdit::returnPressed, this, qOverload<>(&WordSearchWindow::search));
    m_resultList->setAccessibleName(QStringLiteral("Gevonden woorden"));
    m_searchTermBox->setAccessibleName(m_searchTermLabel->text());
    AccessibleContainer::markDecorative(m_startButtonFrame);
}

void WordSearchWindow::search()
{
    // An accent pasted apart from its letter is taken with it, as the list holds it.
    const QString term = TypedText::field(m_searchTermBox->text());
    if (term.isEmpty()) {
        m_context.dialogs.message(QStringLiteral("Trefwoord invullen a.u.b."), Dialogs::applicationTitle());
        return;
    }
    // Characters as the player sees them: an emoji is one.
    if (term.toUcs4().size() < 3) {
        m_context.dialogs.message(QStringLiteral("Alleen trefwoorden vanaf 3 tekens!"), Dialogs::applicationTitle());
        return;
    }
    for (const WordSearch::Mode mode : {WordSearch::BeginsWith, WordSearch::EndsWith, WordSearch::Contains}) {
        if (m_modeButtons[mode]->isChecked()) {
            search(mode);
            return;
        }
    }
}

void WordSearchWindow::search(WordSearch::Mode mode)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_words->clear();
    // The term keeps any blanks typed around it: they are part of what is looked for.
    // Lowered as the game lowers answers, whatever the system's language: a Turkish locale
    // would make "I" a dotless "ı" and find no "ij".
    m_searchTermBox->setText(TypedText::composed(m_searchTermBox->text()).toLower());
    const WordSearch searcher(m_searchTermBox->text(), mode);

    // The list is shown while it grows, ever less often: each showing lays out every line
    // found so far, so showing it at a fixed pace would make a search of millions of lines
    // take the square of the time. Doubling the pause keeps the whole in step with the lines.
    QElapsedTimer sinceStart;
    sinceStart.start();
    qint64 nextShowing = s_frameMs;
    const bool read = searcher.search(m_context.folders.shippedFile(s_wordList), [&](const FoundLines &found) {
        m_words->append(found);
        if (sinceStart.elapsed() >= nextShowing) {
            showListSoFar();
            nextShowing = 2 * sinceStart.elapsed();
        }
    });
    if (!read) {
        m_context.dialogs.message(QStringLiteral("Kan de database niet vinden!"), Dialogs::applicationTitle());
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    showListSoFar();
    m_foundCountLabel->setText(QString::number(m_words->rowCount()) + QStringLiteral(" Woorden gevonden..."));
    m_foundCountLabel->adjustSize();
}

// Lets the list lay out and paint what it holds now. Typing and clicks wait until the
// search is over, so the search cannot be started again from inside itself.
void WordSearchWindow::showListSoFar()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// A click into the term box clears it for a new term.
bool WordSearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_searchTermBox && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_searchTermBox->clear();
    }
    return QDialog::eventFilter(watched, event);
}
