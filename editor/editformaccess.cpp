#include "editor/editform.h"

#include "controls/vistabutton.h"
#include "editor/helppanel.h"
#include "editor/progressstrip.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTreeView>

// The editor for a screen reader and the keyboard alone: names for the list, the boxes
// and the panels, the Tab order of the screen (the list, the boxes top to bottom, then the
// buttons left to right), and Delete on the list removing the selected line.
void EditForm::makeAccessible()
{
    m_puzzleTable->setAccessibleName(QStringLiteral("Puzzellijst"));
    // On Linux a combo box is read by its text; what it is for goes in the description.
    m_printerBox->setAccessibleName(QStringLiteral("Printer Keuze"));
    m_printerBox->setAccessibleDescription(m_printerBox->accessibleName());
    m_keywordBox->setAccessibleName(QStringLiteral("Trefwoord (Oplossing)"));
    for (int k = 0; k < 4; ++k)
        m_descriptionBoxes[k]->setAccessibleName(QStringLiteral("Omschrijving %1").arg(k + 1));
    m_progressStrip->setAccessibleName(QStringLiteral("Voortgang van het opslaan"));

    QWidget *previous = m_puzzleTable;
    const auto next = [&previous](QWidget *widget) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    };
    next(m_printerBox);
    next(m_keywordBox);
    for (QLineEdit *box : m_descriptionBoxes)
        next(box);
    for (VistaButton *button : m_buttons)
        next(button);

    auto *deleteKey = new QShortcut(QKeySequence::Delete, m_puzzleTable);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &EditForm::deleteItem);
}
