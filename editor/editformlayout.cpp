#include "editor/editform.h"

#include "common/twips.h"
#include "controls/vistabutton.h"
#include "controls/look.h"
#include "editor/helppanel.h"
#include "ui/dialogs.h"
#include "ui/printerchoice.h"
#include "editor/progressstrip.h"
#include "editor/saveprogress.h"
#include "game/folders.h"
#include "game/puzzlefile.h"
#include "ui/typedtext.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

// The window's layout: the table, the help panel, the progress strip, the boxes and buttons.

namespace {

// The design gives the window's outer size; the system draws its frame (60 twips a
// side) and caption (390 twips) around what Qt lays out.
constexpr int OuterWidth = 11400;
constexpr int OuterHeight = 5490;
constexpr int FrameWidth = 60;
constexpr int CaptionHeight = 390;

const QColor labelColour(64, 64, 64);

void setColours(QWidget *widget, const QColor &base, const QColor &text = QColor())
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, base);
    if (text.isValid())
        pal.setColor(QPalette::Text, text);
    widget->setPalette(pal);
}

} // namespace

void EditForm::buildWindow()
{
    setWindowTitle(QStringLiteral("Lijst bewerken"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(Look::arial(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(210, 210, 170));
    setPalette(pal);
    setAutoFillBackground(true);

    auto *menuBar = new QMenuBar(this);
    QMenu *helpMenu = menuBar->addMenu(QStringLiteral("Help"));
    m_helpAction = helpMenu->addAction(QStringLiteral("Hulp bij dit onderdeel"));
    m_helpAction->setCheckable(true);
    connect(m_helpAction, &QAction::triggered, this, &EditForm::toggleHelp);
    const int menuHeight = menuBar->sizeHint().height();

    // Positions are measured inside the window, below the menu bar.
    const QRect client = Twips::rect(0, 0, OuterWidth - 2 * FrameWidth, OuterHeight - CaptionHeight - FrameWidth,
                                     logicalDpiY());
    setFixedSize(client.width(), client.height());
    menuBar->setGeometry(0, 0, client.width(), menuHeight);
    auto *area = new QWidget(this);
    area->setGeometry(0, menuHeight, client.width(), client.height() - menuHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    buildTable(area);
    m_helpPanel = new HelpPanel(area);
    m_helpPanel->setGeometry(Twips::rect(120, 150, 7500, 3510, logicalDpiY()));
    m_helpPanel->hide();

    m_progressStrip = new ProgressStrip(area);
    m_progressStrip->setGeometry(Twips::rect(120, 3750, 7530, 300, logicalDpiY()));
    m_progressStrip->setBackColor(saveBarBackground());

    buildButtons(area);
    buildBoxes(area);
    makeAccessible();

    PuzzleFile::ReadReport report;
    PuzzleFile::load(m_context.folders.dataFile(QStringLiteral("Puzzel.lib")), m_list,
                     PuzzleFile::Reading::KeepWholeFields, &report);
    showCount();
    // What the reading passed over or read shifted is said once the list can be seen, as
    // a save would write the rows as they were read.
    if (const QString notice = PuzzleFile::readReportText(report); !notice.isEmpty()) {
        QTimer::singleShot(0, this, [this, notice] {
            m_context.dialogs.message(notice, Dialogs::applicationTitle(), Dialogs::Icon::Exclamation);
        });
    }
}

void EditForm::buildTable(QWidget *client)
{
    m_list.setHeaders({QStringLiteral("Oplossing"), QStringLiteral("Omschrijving 1"), QStringLiteral("Omschrijving 2"),
                       QStringLiteral("Omschrijving 3"), QStringLiteral("Omschrijving 4")});
    m_puzzleTable = new QTreeView(client);
    m_puzzleTable->setGeometry(Twips::rect(120, 150, 7500, 3510, logicalDpiY()));
    m_puzzleTable->setFont(Look::arial(8.25));
    m_puzzleTable->setRootIsDecorated(false);
    m_puzzleTable->setItemsExpandable(false);
    m_puzzleTable->setUniformRowHeights(true);
    m_puzzleTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_puzzleTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows change only through the boxes and buttons, never in place.
    m_puzzleTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_puzzleTable->setModel(&m_list);
    m_puzzleTable->header()->setStretchLastSection(false);
    for (int column = 0; column < 5; ++column)
        m_puzzleTable->setColumnWidth(column, Twips::rect(0, 0, 1500, 0, logicalDpiY()).width());
    setColours(m_puzzleTable, QColor(200, 200, 200));
    // Arrows, Home/End, type-ahead and a click all move the selection; the boxes follow
    // each. A click on the row already selected fills them again, undoing edits there.
    // Text typed into the boxes and not yet applied is dropped only after a question.
    connect(m_puzzleTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EditForm::followSelection);
    connect(m_puzzleTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &EditForm::followSelection);
    connect(m_puzzleTable, &QTreeView::clicked, this, [this](const QModelIndex &index) {
        if (index.row() == m_boxesRow && index.row() == selectedRow() && mayDropBoxText())
            showRow(index.row());
    });
}

void EditForm::buildButtons(QWidget *client)
{
    struct Design {
        const char *caption;
        const char *tooltip;
        void (EditForm::*action)();
    };
    static const std::array<Design, ButtonCount> designs = {{
        {"Toevoegen", " Item Toevoegen ", &EditForm::addItem},
        {"Wijzigen", " Geselecteerde item Wijzigen ", &EditForm::changeItem},
        {"Verwijderen", " Geselecteerde item Verwijderen", &EditForm::deleteItem},
        {"Afdrukken", " Complete lijst afdrukken ", &EditForm::printList},
        {"Opslaan", " Bovenstaande lijst opslaan / saven ", &EditForm::saveList},
        {"Exit", " Bewerken stoppen ", nullptr},
    }};
    int left = 120;
    for (int index = 0; index < ButtonCount; ++index) {
        auto *button = new VistaButton(client);
        button->setCaption(QString::fromLatin1(designs[index].caption));
        button->setFont(Look::arial(8.25));
        button->setGeometry(Twips::rect(left, 4200, 1110, 360, logicalDpiY()));
        if (const auto action = designs[index].action)
            connect(button, &VistaButton::clicked, this, [this, action] { (this->*action)(); });
        else
            connect(button, &VistaButton::clicked, this, &EditForm::close);
        m_buttons[index] = button;
        // "Opslaan" stands apart from the first four and "Exit" at the right edge.
        left += 1140 + (index == PrintButton ? 1860 : 0) + (index == SaveButton ? 2340 : 0);
    }
    for (int index = 0; index < ButtonCount; ++index)
        m_buttons[index]->setToolTip(QString::fromLatin1(designs[index].tooltip));
}

QLabel *EditForm::addLabel(QWidget *client, const QString &text, int top)
{
    auto *label = new QLabel(text, client);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, labelColour);
    label->setPalette(pal);
    label->move(Twips::rect(7800, top, 0, 0, logicalDpiY()).topLeft());
    label->adjustSize();
    return label;
}

void EditForm::buildBoxes(QWidget *client)
{
    // Created top to bottom, so Tab walks the column in the order it is read.
    m_printerBox = new QComboBox(client);
    m_printerBox->setEditable(true);
    // The height is the toolkit's own.
    QRect printerArea = Twips::rect(7800, 150, 3390, 0, logicalDpiY());
    printerArea.setHeight(m_printerBox->sizeHint().height());
    m_printerBox->setGeometry(printerArea);
    setColours(m_printerBox, QColor(200, 240, 200));
    const QStringList printers = m_context.printers.installed();
    m_printerBox->addItems(printers);
    const QString current = m_context.printers.current();
    const int currentIndex = printers.indexOf(current);
    if (currentIndex >= 0)
        m_printerBox->setCurrentIndex(currentIndex);
    else
        m_printerBox->setEditText(current);
    connect(m_printerBox, &QComboBox::activated, this, &EditForm::onPrinterChosen);
    connect(m_printerBox->lineEdit(), &QLineEdit::textEdited, this, &EditForm::onPrinterChosen);
    addLabel(client, QStringLiteral("Printer Keuze"), 525);

    m_keywordBox = new QLineEdit(client);
    m_keywordBox->setGeometry(Twips::rect(7800, 870, 3390, 360, logicalDpiY()));
    m_keywordBox->setFont(Look::arial(9));
    setColours(m_keywordBox, QColor(30, 0, 0), QColor(230, 230, 230));
    m_keywordBox->installEventFilter(this);
    TypedText::keepWhole(m_keywordBox);
    addLabel(client, QStringLiteral("Trefwoord (Oplossing)"), 1260);

    for (int k = 0; k < 4; ++k) {
        auto *box = new QLineEdit(client);
        box->setGeometry(Twips::rect(7800, 1650 + 375 * k, 3390, 360, logicalDpiY()));
        box->setFont(Look::arial(9));
        setColours(box, QColor(0, 30, 30), QColor(230, 230, 230));
        box->installEventFilter(this);
        TypedText::keepWhole(box);
        m_descriptionBoxes[k] = box;
    }
    addLabel(client, QStringLiteral("De 4 omschrijvingen"), 3180);

    m_countLabel = addLabel(client, QStringLiteral("Aantal Items"), 3780);
    m_countLabel->setFont(Look::arial(9.75));
    m_countLabel->adjustSize();
}
