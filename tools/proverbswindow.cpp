#include "tools/proverbswindow.h"

#include "common/twips.h"
#include "controls/vistabutton.h"
#include "controls/look.h"
#include "game/folders.h"
#include "ui/dialogs.h"
#include "tools/proverblist.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>

namespace {

const QString s_title = QStringLiteral("Spreekwoorden en Gezegden");

} // namespace

ProverbsWindow::ProverbsWindow(const AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    createControls();
    loadProverbs();
}

void ProverbsWindow::createControls()
{
    Look::setUpFixedWindow(this, s_title, 8100, 3600);
    setFont(Look::arial(8.25));
    setAutoFillBackground(true);
    Look::setColour(this, QPalette::Window, QColor(230, 230, 190));
    const double dpi = logicalDpiY();

    m_proverbList = new QListWidget(this);
    m_proverbList->setGeometry(Twips::rect(180, 225, 7620, 2250, dpi));
    Look::setColour(m_proverbList, QPalette::Base, QColor(30, 0, 0));
    Look::setColour(m_proverbList, QPalette::Text, QColor(250, 250, 210));
    connect(m_proverbList, &QListWidget::itemDoubleClicked, this, &ProverbsWindow::showMeaning);

    m_hintLabel = new QLabel(QStringLiteral("Dubbelklik op een item is de betekenis."), this);
    m_hintLabel->setFont(Look::arial(9.75));
    m_hintLabel->move(Twips::rect(210, 2460, 0, 0, dpi).topLeft());
    m_hintLabel->adjustSize();

    m_exitButton = new VistaButton(this);
    m_exitButton->setCaption(QStringLiteral("Exit"));
    m_exitButton->setBackColor(Qt::white);
    m_exitButton->setFont(Look::arial(8.25));
    m_exitButton->setGeometry(Twips::rect(6840, 2580, 990, 360, dpi));
    connect(m_exitButton, &VistaButton::clicked, this, &QDialog::accept);

    m_proverbList->setAccessibleName(QStringLiteral("Spreekwoorden en gezegden"));
    m_proverbList->setAccessibleDescription(m_hintLabel->text());
    // Enter on a proverb shows its meaning, as a double click does.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), m_proverbList);
        enter->setContext(Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, &ProverbsWindow::showMeaning);
    }
}

void ProverbsWindow::loadProverbs()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ProverbList list;
    const bool read = list.load(m_context.folders.shippedFile(QStringLiteral("Spreekwoorden.lib")));
    // A failure keeps what was read before it.
    m_proverbList->addItems(list.proverbs());
    m_meaningFields = list.meaningFields();
    QGuiApplication::restoreOverrideCursor();
    if (!read) {
        m_context.dialogs.message(QStringLiteral("Kan database niet vinden..."), QStringLiteral("Error"),
                                  Dialogs::Icon::Critical);
        return;
    }
    setWindowTitle(s_title + QStringLiteral(" (") + QString::number(m_proverbList->count()) + QStringLiteral(")"));
}

// A double click lands on an item, so one is always current; an empty list has none
// and nothing is shown.
void ProverbsWindow::showMeaning()
{
    const int i = m_proverbList->currentRow();
    if (i < 0 || i >= m_meaningFields.size())
        return;
    m_context.dialogs.message(ProverbList::meaning(m_meaningFields.at(i)), QStringLiteral("Betekenis"));
}
