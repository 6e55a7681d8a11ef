#include "shell/scoreform.h"

#include "common/twips.h"
#include "controls/vistabutton.h"
#include "controls/look.h"
#include "game/folders.h"
#include "game/scorefile.h"
#include "game/scorelist.h"
#include "game/shownfield.h"
#include "game/textwriter.h"
#include "ui/dialogs.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>

#include <algorithm>

ScoreForm::ScoreForm(const AppContext &context, ScoreList &scoreList, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_scores(scoreList)
{
    createControls();
}

void ScoreForm::createControls()
{
    Look::setUpFixedWindow(this, QStringLiteral("Hoogst Scorelijst"), 3945, 6420);
    const double dpi = logicalDpiY();

    m_panel = new QFrame(this);
    m_panel->setFrameShape(QFrame::Box);
    m_panel->setGeometry(Twips::rect(90, 0, 3675, 5850, dpi));

    m_scoreListBox = new QListWidget(m_panel);
    m_scoreListBox->setGeometry(Twips::rect(150, 240, 3375, 4620, dpi));
    m_scoreListBox->setFont(Look::arial(9.75, true));
    Look::setColour(m_scoreListBox, QPalette::Base, QColor(150, 230, 180));
    Look::setColour(m_scoreListBox, QPalette::Text, QColor(0, 0, 64));
    for (int k = m_scores.count() - 1; k >= 0; --k)
        // A line of megabytes would take seconds to draw at each touch of the list.
        m_scoreListBox->addItem(ShownField::shortened(m_scores.at(k).text(), ShownField::inList));
    selectNothing();
    m_scoreListBox->installEventFilter(this);

    m_countLabel = new QLabel(m_panel);
    m_countLabel->setFont(Look::arial(9.75));
    m_countLabel->move(Twips::rect(150, 4950, 0, 0, dpi).topLeft());
    Look::setColour(m_countLabel, QPalette::WindowText, QColor(128, 128, 128));
    showCount();

    const auto button = [this, dpi](const QString &caption, int left, void (ScoreForm::*handler)()) {
        auto *b = new VistaButton(m_panel);
        b->setCaption(caption);
        b->setGeometry(Twips::rect(left, 5370, 900, 330, dpi));
        connect(b, &VistaButton::clicked, this, handler);
        return b;
    };
    m_deleteButton = button(QStringLiteral("Delete"), 135, &ScoreForm::deleteSelected);
    m_deleteAllButton = button(QStringLiteral("Delete All"), 1080, &ScoreForm::deleteAll);
    m_okButton = button(QStringLiteral("Ok"), 2640, &QDialog::accept);

    m_panel->setAccessibleName(windowTitle());
    m_scoreListBox->setAccessibleName(QStringLiteral("Scorelijst"));
    // Delete on the list removes the picked line, as the Delete button does.
    auto *deleteKey = new QShortcut(QKeySequence::Delete, m_scoreListBox);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &ScoreForm::deleteSelected);
}

// No line is current either: a list given focus would otherwise make its first line
// current and frame it, and removing the current line would select the next, so a
// second Delete would take a line the player never picked.
void ScoreForm::selectNothing()
{
    m_scoreListBox->setCurrentIndex(QModelIndex());
    m_scoreListBox->clearSelection();
}

void ScoreForm::showLine(const ScoreEntry &entry)
{
    for (int k = m_scores.count() - 1; k >= 0; --k) {
        if (m_scores.at(k) == entry) {
            // Once the window is shown at its size: the list's height decides where the
            // line can stand in the middle.
            // It is chosen, so it stands out and the keyboard and a screen reader go on from
            // it; a Delete then names it in its question. (Framed but not chosen, it looked
            // chosen while a Delete asked about "..." and refused.)
            const int row = m_scores.count() - 1 - k;
            QMetaObject::invokeMethod(this, [this, row] {
                if (QListWidgetItem *line = m_scoreListBox->item(row)) {
                    m_scoreListBox->setCurrentItem(line);
                    m_scoreListBox->scrollToItem(line, QAbstractItemView::PositionAtCenter);
                }
            }, Qt::QueuedConnection);
            return;
        }
    }
}

bool ScoreForm::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on the list closes the window, as Ok does: the list has the focus as the window
    // opens after a game, and Enter is how a player who has read it goes on.
    if (watched == m_scoreListBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    // After a deletion nothing is current; the first arrow goes on from where the line stood.
    if (watched == m_scoreListBox && event->type() == QEvent::KeyPress && m_deletedRow >= 0
        && !m_scoreListBox->currentIndex().isValid()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int row = key == Qt::Key_Down ? std::min(m_deletedRow, m_scoreListBox->count() - 1) : m_deletedRow - 1;
            m_deletedRow = -1;
            // Up from the deleted top line goes the list's own way, to its first line.
            if (row < 0)
                return QDialog::eventFilter(watched, event);
            m_scoreListBox->setCurrentRow(row);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ScoreForm::deleteSelected()
{
    if (m_scoreListBox->count() == 0)
        return;
    QListWidgetItem *selected = m_scoreListBox->currentItem();
    if (selected && !selected->isSelected())
        selected = nullptr;
    // The window shows the list highest first, so its row k is the list's count-1-k: the
    // very line picked goes, also where equal texts differ in how the file holds them.
    const int row = selected ? m_scoreListBox->row(selected) : -1;
    QString name = selected ? m_scores.at(m_scores.count() - 1 - row).name : QString();
    if (name.isEmpty())
        name = QStringLiteral("...");
    if (!m_context.dialogs.ask(QStringLiteral("Wilt u '") + ShownField::shortened(name, ShownField::inMessage)
                                   + QStringLiteral("' verwijderen uit de lijst?"),
                               QStringLiteral(" Delete")))
        return;
    if (!selected) {
        m_context.dialogs.message(QStringLiteral("Eerst een naam selecteren..."), QStringLiteral(" Foutje"));
        return;
    }
    delete m_scoreListBox->takeItem(row);
    selectNothing();
    m_deletedRow = row;
    m_scores.removeAt(m_scores.count() - 1 - row);
    showCount();
    saveScores();
}

void ScoreForm::deleteAll()
{
    if (m_scoreListBox->count() == 0)
        return;
    if (!m_context.dialogs.ask(QStringLiteral("Wilt u alle ") + QString::number(m_scoreListBox->count())
                                   + QStringLiteral(" namen verwijderen?"),
                               QStringLiteral(" Delete All"), Dialogs::Icon::None, Dialogs::Answer::No))
        return;
    m_scoreListBox->clear();
    m_scores.clear();
    showCount();
    saveScores();
}

// The count follows the list, so it never names lines that were deleted.
void ScoreForm::showCount()
{
    m_countLabel->setText(QString::number(m_scoreListBox->count()) + QStringLiteral(" namen in de lijst"));
    m_countLabel->adjustSize();
}

void ScoreForm::saveScores()
{
    // Written at once: the end of a game reads the file again before adding its score,
    // so a deletion kept only in memory would come back.
    const QString reason = ScoreFile::save(m_context.folders.dataFile(QStringLiteral("Scorelijst.lib")), m_scores);
    if (!reason.isEmpty()) {
        m_context.dialogs.message(saveFailureText(QStringLiteral("De scorelijst kon niet worden bewaard: "), reason),
                                  Dialogs::applicationTitle(), Dialogs::Icon::Critical);
    }
}
