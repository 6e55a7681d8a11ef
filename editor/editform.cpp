#include "editor/editform.h"

#include "controls/vistabutton.h"
#include "editor/helppanel.h"
#include "editor/listprintjob.h"
#include "ui/printerchoice.h"
#include "editor/progressstrip.h"
#include "editor/saveprogress.h"
#include "game/folders.h"
#include "game/gamesettings.h"
#include "game/puzzleentrycheck.h"
#include "game/puzzlefile.h"
#include "game/shownfield.h"
#include "game/textwriter.h"
#include "ui/dialogs.h"
#include "ui/typedtext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <QTreeView>

namespace {

// Only blanks count: a box holding a tab is not blank to the editor.
bool isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

} // namespace

EditForm::EditForm(const AppContext &context, const GameSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_settings(settings)
{
    buildWindow();
}

bool EditForm::eventFilter(QObject *watched, QEvent *event)
{
    // Only a mouse click empties a box; moving into it with the keyboard keeps its text.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_keywordBox)
            m_keywordBox->clear();
        for (QLineEdit *box : m_descriptionBoxes) {
            if (watched == box)
                box->clear();
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool EditForm::acts(Button which) const
{
    return !m_saving && m_buttons[which]->isEnabled();
}

bool EditForm::anyBoxEmpty() const
{
    if (m_keywordBox->text().isEmpty())
        return true;
    for (const QLineEdit *box : m_descriptionBoxes) {
        if (box->text().isEmpty())
            return true;
    }
    return false;
}

bool EditForm::refusedByFile(const PuzzleEntry &entry)
{
    const PuzzleEntryCheck check(entry);
    if (check.passed())
        return false;
    m_context.dialogs.message(check.message(), Dialogs::applicationTitle(), Dialogs::Icon::Exclamation);
    QLineEdit *box = check.field() == 0 ? m_keywordBox : m_descriptionBoxes[check.field() - 1];
    box->setFocus();
    return true;
}

void EditForm::blankDescriptionsToHyphen()
{
    for (QLineEdit *box : m_descriptionBoxes) {
        if (isBlank(box->text()))
            box->setText(QStringLiteral("-"));
    }
}

// Blanks around a text are dropped here: the file cannot keep them, so the list never
// shows a row other than the one a save writes.
PuzzleEntry EditForm::boxesEntry() const
{
    PuzzleEntry entry;
    entry.keyword = TypedText::field(m_keywordBox->text());
    for (int k = 0; k < 4; ++k)
        entry.descriptions[k] = TypedText::field(m_descriptionBoxes[k]->text());
    return entry;
}

bool EditForm::boxesHoldUnappliedText() const
{
    // An emptied box loses nothing: the row still holds its text.
    for (int k = 0; k < 5; ++k) {
        const QString typed = (k == 0 ? m_keywordBox : m_descriptionBoxes[k - 1])->text();
        if (typed.isEmpty())
            continue;
        if (m_boxesRow < 0 || m_boxesRow >= m_list.count())
            return true;
        // Text as the row holds it (blanks a quoted field kept included), or that applying
        // again would not change, is in the list already.
        const PuzzleEntry &row = m_list.entry(m_boxesRow);
        const QString &held = k == 0 ? row.keyword : row.descriptions[k - 1];
        if (typed != held && TypedText::field(typed) != held)
            return true;
    }
    return false;
}

bool EditForm::mayDropBoxText()
{
    if (!boxesHoldUnappliedText())
        return true;
    return m_context.dialogs.ask(
        QStringLiteral("De tekst in de vakken staat nog niet in de lijst. Wil je die tekst weggooien?"), windowTitle(),
        Dialogs::Icon::Question, Dialogs::Answer::No);
}

void EditForm::selectRow(int row)
{
    // Set by the program, not the player: nothing to ask.
    const QScopedValueRollback<bool> quiet(m_selectingRow, true);
    QItemSelectionModel *selection = m_puzzleTable->selectionModel();
    if (row >= 0)
        selection->setCurrentIndex(m_list.index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selection->clear();
}

void EditForm::clearBoxes()
{
    m_keywordBox->clear();
    for (QLineEdit *box : m_descriptionBoxes)
        box->clear();
}

void EditForm::showRow(int row)
{
    if (row < 0 || row >= m_list.count()) {
        clearBoxes();
        m_boxesRow = -1;
        return;
    }
    const PuzzleEntry &entry = m_list.entry(row);
    m_keywordBox->setText(entry.keyword);
    for (int k = 0; k < 4; ++k)
        m_descriptionBoxes[k]->setText(entry.descriptions[k]);
    m_boxesRow = row;
}

void EditForm::followSelection()
{
    // The table makes its first row current, unselected, when it first gets the focus;
    // that must not wipe what was typed into the boxes, so only a change counts.
    if (m_selectingRow)
        return;
    const int row = selectedRow();
    if (row == m_boxesRow)
        return;
    if (!boxesHoldUnappliedText()) {
        showRow(row);
        return;
    }
    // The question waits until the view has finished moving, as it may change the
    // selection more than once on the way; the answer then applies to where it ended.
    if (std::exchange(m_askPending, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_askPending = false;
        const int target = selectedRow();
        if (target == m_boxesRow)
            return;
        if (mayDropBoxText())
            showRow(target);
        else
            selectRow(m_boxesRow); // the boxes keep their text, and their row stays selected
    });
}

int EditForm::selectedRow() const
{
    const QModelIndexList rows = m_puzzleTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void EditForm::showCount()
{
    m_countLabel->setText(QString::number(m_list.count()) + QStringLiteral(" Items"));
    m_countLabel->adjustSize();
}

void EditForm::addItem()
{
    if (!acts(AddButton))
        return;
    if (anyBoxEmpty()) {
        m_context.dialogs.message(QStringLiteral("Niet alle gegevens zijn ingevuld!"), Dialogs::applicationTitle(),
                                  Dialogs::Icon::Critical);
        return;
    }
    if (m_list.count() >= PuzzleList::MaxRows) {
        m_context.dialogs.message(QStringLiteral("Er kunnen maximaal 999 items worden ingevoerd!"),
                                  QStringLiteral("Error"), Dialogs::Icon::Critical);
        return;
    }
    if (isBlank(m_keywordBox->text())) {
        m_context.dialogs.message(QStringLiteral("Oplossing invullen a.u.b."), Dialogs::applicationTitle());
        m_keywordBox->setFocus();
        return;
    }
    if (refusedByFile(boxesEntry()))
        return;
    blankDescriptionsToHyphen();
    m_list.append(boxesEntry());
    m_changed = true;
    clearBoxes();
    // Nothing stays selected, so "Wijzigen" cannot reach a row the boxes did not come from.
    selectRow(-1);
    m_boxesRow = -1;
    showCount();
    m_keywordBox->setFocus();
}

void EditForm::changeItem()
{
    if (!acts(ChangeButton))
        return;
    // The boxes may have come from a row that a delete has since taken away.
    if (isBlank(m_keywordBox->text()) || m_boxesRow < 0 || m_boxesRow >= m_list.count()) {
        m_context.dialogs.message(QStringLiteral("Eerst een item selecteren a.u.b."), Dialogs::applicationTitle());
        m_keywordBox->setFocus();
        return;
    }
    if (refusedByFile(boxesEntry()))
        return;
    blankDescriptionsToHyphen();
    const PuzzleEntry entry = boxesEntry();
    if (entry != m_list.entry(m_boxesRow)) {
        m_list.replace(m_boxesRow, entry);
        m_changed = true;
    }
    showRow(m_boxesRow);
}

void EditForm::deleteItem()
{
    if (!acts(DeleteButton))
        return;
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString keyword = ShownField::shortened(m_list.entry(row).keyword, ShownField::inMessage);
    const QString question = QStringLiteral("Wil je (") + keyword + QStringLiteral(") verwijderen uit de lijst?");
    if (!m_context.dialogs.ask(question, QStringLiteral(" Delete")))
        return;
    {
        // What the boxes held belonged to the row that goes.
        const QScopedValueRollback<bool> quiet(m_selectingRow, true);
        m_list.remove(row);
    }
    m_changed = true;
    showCount();
    // The table moves its current row while the row goes, before the indexes shift, so
    // the boxes are set again once the list is settled.
    showRow(selectedRow());
}

void EditForm::toggleHelp()
{
    const bool show = m_helpPanel->isHidden();
    m_puzzleTable->setVisible(!show);
    m_helpPanel->setVisible(show);
    m_helpAction->setChecked(show);
    if (show)
        m_helpPanel->writeHelp();
    updateButtons();
}

void EditForm::updateButtons()
{
    const bool helpShown = !m_helpPanel->isHidden();
    for (int index = 0; index < ExitButton; ++index)
        m_buttons[index]->setEnabled(!helpShown && !m_saving);
    m_buttons[ExitButton]->setEnabled(!m_saving);
}

void EditForm::onPrinterChosen()
{
    // Text typed into the edit field that is not the chosen entry means no entry at all.
    int listIndex = m_printerBox->currentIndex();
    if (listIndex >= 0 && m_printerBox->currentText() != m_printerBox->itemText(listIndex))
        listIndex = -1;
    m_printerIndex = m_context.printers.choose(listIndex, m_context.printers.installed());
}

void EditForm::printList()
{
    if (acts(PrintButton))
        ListPrintJob::print(m_context, m_printerBox->currentText(), m_list.entries(), m_settings.printFooter);
}

void EditForm::saveList()
{
    if (acts(SaveButton))
        writeList();
}

bool EditForm::refusesUnwritableRows()
{
    // Rows loaded from a file written by other means may hold what a save cannot write
    // back; they are named, never written as something else.
    const QString refusal = PuzzleFile::refusedRowsText(m_list.entries());
    if (refusal.isEmpty())
        return false;
    m_context.dialogs.message(refusal, Dialogs::applicationTitle(), Dialogs::Icon::Exclamation);
    if (!boxesHoldUnappliedText()) {
        const int first = PuzzleFile::firstRefusedRow(m_list.entries());
        selectRow(first);
        showRow(first);
    }
    return true;
}

bool EditForm::writeList()
{
    if (refusesUnwritableRows())
        return false;
    const QString path = m_context.folders.dataFile(QStringLiteral("Puzzel.lib"));
    // A save that changes nothing leaves the backup as it is: it holds the file before the
    // last change, perhaps the only copy of one the editor could not read whole.
    const QString backupProblem = readWholeFile(path) == PuzzleFile::fileBytes(m_list)
        ? QString()
        : PuzzleFile::makeBackup(path, m_context.folders.dataFile(QStringLiteral("Puzzel.bak")));
    // What a Yes does is said: the file that could not be kept (perhaps not even read, so
    // never shown here) is replaced by the list as it stands.
    if (!backupProblem.isEmpty()) {
        const int rows = m_list.count();
        const QString kept = rows == 1 ? QStringLiteral("1 puzzel") : QStringLiteral("%1 puzzels").arg(rows);
        const QString question = backupProblem + QStringLiteral(" Wil je de lijst toch opslaan, zonder reservekopie? ")
            + QStringLiteral("Het bestand bevat dan alleen de %1 van deze lijst.").arg(kept);
        if (!m_context.dialogs.ask(question, Dialogs::applicationTitle(), Dialogs::Icon::Exclamation,
                                   Dialogs::Answer::No))
            return false;
    }
    // The save runs to its end before any other event is handled; it takes milliseconds,
    // so a key press or a close meanwhile is answered as soon as it is over.
    m_saving = true;
    updateButtons();
    m_progressStrip->begin(saveBarBackground());
    const QString reason = PuzzleFile::save(path, QString(), m_list,
                                            [this](int permille) { showSaveProgress(*m_progressStrip, permille); });
    m_progressStrip->end();
    if (reason.isEmpty()) {
        m_changed = false;
    } else {
        // Part of a strip would read as a save that got that far.
        m_progressStrip->setBackColor(saveBarBackground());
    }
    m_saving = false;
    updateButtons();
    if (!reason.isEmpty()) {
        m_context.dialogs.message(QStringLiteral("De puzzels konden niet worden bewaard: ") + reason,
                                  Dialogs::applicationTitle(), Dialogs::Icon::Critical);
    }
    return reason.isEmpty();
}

bool EditForm::mayClose()
{
    if (!mayDropBoxText())
        return false;
    if (!m_changed)
        return true;
    const Dialogs::Answer answer = m_context.dialogs.askYesNoCancel(
        QStringLiteral("De lijst is gewijzigd. Wil je de wijzigingen opslaan?"), windowTitle(),
        Dialogs::Icon::Question);
    switch (answer) {
    case Dialogs::Answer::Yes: return writeList();
    case Dialogs::Answer::No: return true;
    case Dialogs::Answer::Cancel: break;
    }
    return false;
}

// "Exit", the close button and Escape all end here.
void EditForm::done(int result)
{
    if (m_saving || !mayClose())
        return;
    QDialog::done(result);
}
