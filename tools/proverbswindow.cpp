#include "tools/proverbswindow.h"

#include "common/twips.h"
#include "controls/vistabutton.h"
#include "controls/look.h"
#include "game/folders.h"
#include "game/shownfield.h"
#include "ui/dialogs.h"
#include "tools/proverblist.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>

namespace {

const QString s_title = QStringLiteral("Spreekwoorden en Gezegden");
// Up to this many lines the list measures each one; a file of a million would take seconds.
constexpr qsizetype s_measuredLines = 10000;

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
    // The hint on the screen speaks of the mouse; a screen reader hears the key too.
    m_proverbList->setAccessibleDescription(QStringLiteral("Enter of dubbelklik op een item toont de betekenis."));
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
    QStringList shown;
    shown.reserve(list.proverbs().size());
    for (const QString &proverb : list.proverbs())
        shown << ShownField::shortened(proverb, ShownField::inList);
    if (shown.size() > s_measuredLines) {
        // The view takes the first line's size for all when it lays the list out, so that
        // size is set before the rest come.
        m_proverbList->setUniformItemSizes(true);
        m_proverbList->addItem(shown.first());
        sizeLinesAsTheWidest(shown);
        shown.removeFirst();
    }
    m_proverbList->addItems(shown);
    m_meaningFields = list.meaningFields();
    QGuiApplication::restoreOverrideCursor();
    if (!read) {
        m_context.dialogs.message(QStringLiteral("Kan database niet vinden..."), QStringLiteral("Error"),
                                  Dialogs::Icon::Critical);
        return;
    }
    setWindowTitle(s_title + QStringLiteral(" (") + QString::number(m_proverbList->count()) + QStringLiteral(")"));
}

// The first line's size, widened to the widest line, found from the widths of its
// characters: kerning only narrows most pairs, and a few pixels more keep the widest whole.
void ProverbsWindow::sizeLinesAsTheWidest(const QStringList &lines)
{
    const QFontMetrics metrics(m_proverbList->font());
    QHash<char16_t, int> advances;
    int widest = 0;
    for (const QString &line : lines) {
        int width = 0;
        for (const QChar c : line) {
            auto advance = advances.constFind(c.unicode());
            if (advance == advances.cend())
                advance = advances.insert(c.unicode(), metrics.horizontalAdvance(c));
            width += *advance;
        }
        widest = std::max(widest, width);
    }
    QListWidgetItem *first = m_proverbList->item(0);
    const QSize firstSize = m_proverbList->sizeHintForIndex(m_proverbList->indexFromItem(first));
    const int margins = firstSize.width() - metrics.horizontalAdvance(first->text());
    first->setSizeHint(QSize(widest + margins + 4, firstSize.height()));
}

// A double click lands on an item, so one is always current; an empty list has none
// and nothing is shown.
void ProverbsWindow::showMeaning()
{
    const int i = m_proverbList->currentRow();
    if (i < 0 || i >= m_meaningFields.size())
        return;
    // A meaning is a sentence or two; one of a megabyte, or with control characters, is
    // shown as the lists show a field, so the box fits the screen.
    m_context.dialogs.message(ShownField::shortened(ProverbList::meaning(m_meaningFields.at(i)), ShownField::inList),
                              QStringLiteral("Betekenis"));
}
