#include "editor/editform.h"

#include "controls/vistabutton.h"
#include "controls/vormgeving.h"
#include "editor/helppanel.h"
#include "editor/listprintjob.h"
#include "editor/printerchoice.h"
#include "editor/progressstrip.h"
#include "shell/dialogs.h"
#include "game/gamesettings.h"
#include "game/folders.h"
#include "game/puzzlefile.h"
#include "editor/saveprogress.h"
#include "common/twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
    Form_Load();
}

QRect EditForm::twips(int top, int left, int width, int height) const
{
    return Vormgeving::twips(this, top, left, width, height);
}

bool EditForm::eventFilter(QObject *watched, QEvent *event)
{
    // Only a mouse click empties a box; moving into it with the keyboard keeps its text.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Text0)
            Text0_Click();
        for (int k = 0; k < 4; ++k) {
            if (watched == Text1[k])
                Text1_Click(k + 1);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditForm::Knop_Click(int Index)
{
    if (Index < 0 || Index > 5)
        return;
    // A disabled button does not react (help panel shown, or a save running).
    if (m_saving || !Knop[Index]->isEnabled())
        return;
    switch (Index) {
    case 0:
        if (anyBoxEmpty()) {
            m_context.dialogs.message(QStringLiteral("Niet alle gegevens zijn ingevuld!"),
                                        Dialogs::applicationTitle(), Dialogs::Icon::Critical);
            return;
        }
        ItemToevoegen();
        break;
    case 1:
        ItemWijzigen();
        break;
    case 2:
        ItemVerwijderen();
        break;
    case 3:
        LijstAfdrukken();
        break;
    case 4:
        Opslaan();
        break;
    case 5:
        close();
        break;
    }
}

bool EditForm::anyBoxEmpty() const
{
    if (Text0->text().isEmpty())
        return true;
    for (const QLineEdit *box : Text1) {
        if (box->text().isEmpty())
            return true;
    }
    return false;
}

void EditForm::blankDescriptionsToHyphen()
{
    for (QLineEdit *box : Text1) {
        if (isBlank(box->text()))
            box->setText(QStringLiteral("-"));
    }
}

PuzzleEntry EditForm::boxesEntry() const
{
    PuzzleEntry entry;
    entry.keyword = Text0->text();
    for (int k = 0; k < 4; ++k)
        entry.descriptions[k] = Text1[k]->text();
    return entry;
}

int EditForm::selectedRow() const
{
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void EditForm::showCount()
{
    Label2->setText(QString::number(m_list.count()) + QStringLiteral(" Items"));
    Label2->adjustSize();
}

void EditForm::ItemToevoegen()
{
    if (m_list.count() >= PuzzleList::MaxRows) {
        m_context.dialogs.message(QStringLiteral("Er kunnen maximaal 999 items worden ingevoerd!"),
                                    QStringLiteral("Error"), Dialogs::Icon::Critical);
        return;
    }
    if (isBlank(Text0->text())) {
        m_context.dialogs.message(QStringLiteral("Oplossing invullen a.u.b."), Dialogs::applicationTitle());
        Text0->setFocus();
        return;
    }
    blankDescriptionsToHyphen();
    // Stored as typed: blanks around the texts are trimmed only when the file is written.
    m_list.append(boxesEntry());
    Text0->clear();
    for (QLineEdit *box : Text1)
        box->clear();
    showCount();
    Text0->setFocus();
}

void EditForm::ItemWijzigen()
{
    if (isBlank(Text0->text())) {
        m_context.dialogs.message(QStringLiteral("Eerst een item selecteren a.u.b."), Dialogs::applicationTitle());
        Text0->setFocus();
        return;
    }
    blankDescriptionsToHyphen();
    // Whatever the boxes hold goes over the selected row; without one nothing happens.
    m_list.replace(selectedRow(), boxesEntry());
}

void EditForm::ItemVerwijderen()
{
    const int row = selectedRow();
    if (m_list.count() == 0 || row < 0)
        return;
    const QString question = QStringLiteral("Wil je (") + m_list.entry(row).keyword
        + QStringLiteral(") verwijderen uit de lijst?");
    if (!m_context.dialogs.ask(question, QStringLiteral(" Delete")))
        return;
    m_list.remove(row);
    showCount();
}

void EditForm::ListView1_ItemClick(const QModelIndex &Item)
{
    if (!Item.isValid())
        return;
    const PuzzleEntry &entry = m_list.entry(Item.row());
    Text0->setText(entry.keyword);
    for (int k = 0; k < 4; ++k)
        Text1[k]->setText(entry.descriptions[k]);
}

void EditForm::Text0_Click()
{
    Text0->clear();
}

void EditForm::Text1_Click(int Index)
{
    if (Index >= 1 && Index <= 4)
        Text1[Index - 1]->clear();
}

void EditForm::HelpHelp_Click()
{
    const bool show = HelpPic->isHidden();
    ListView1->setVisible(!show);
    HelpPic->setVisible(show);
    HelpHelp->setChecked(show);
    if (show)
        HelpPic->writeHelp();
    updateButtons();
}

void EditForm::updateButtons()
{
    const bool helpShown = !HelpPic->isHidden();
    for (int index = 0; index < 5; ++index)
        Knop[index]->setEnabled(!helpShown && !m_saving);
    Knop[5]->setEnabled(!m_saving);
}

void EditForm::Combo1_Click()
{
    Combo1_Change();
}

void EditForm::Combo1_Change()
{
    // Text typed into the edit field that is not the chosen entry means no entry at all.
    int listIndex = Combo1->currentIndex();
    if (listIndex >= 0 && Combo1->currentText() != Combo1->itemText(listIndex))
        listIndex = -1;
    m_printerIndex = m_context.printers.choose(listIndex, m_context.printers.installed());
}

void EditForm::LijstAfdrukken()
{
    ListPrintJob::print(m_context, m_list.entries(), m_settings.printFooter);
}

void EditForm::Opslaan()
{
    // Events are handled between the rows: the buttons stay disabled and closing is
    // refused until the file is written and the strip is full.
    m_saving = true;
    updateButtons();
    PuzzleFile::save(m_context.folders.dataFile(QStringLiteral("Puzzel.lib")),
                     m_context.folders.dataFile(QStringLiteral("Puzzel.bak")), m_list);
    runSaveProgress(Bar, m_list.count(), m_context.clock);
    m_saving = false;
    updateButtons();
}

void EditForm::closeEvent(QCloseEvent *event)
{
    if (m_saving) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void EditForm::done(int result)
{
    if (m_saving)
        return;
    QDialog::done(result);
}

void EditForm::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the window and lose unsaved rows; the window closes only by
    // "Exit" or the system's close command.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
