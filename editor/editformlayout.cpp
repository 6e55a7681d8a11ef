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

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTreeView>

// The window's layout: the list, the help panel, the progress strip, the boxes and buttons.

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

void EditForm::Form_Load()
{
    setWindowTitle(QStringLiteral("Lijst bewerken"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(Vormgeving::arial(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(210, 210, 170));
    setPalette(pal);
    setAutoFillBackground(true);

    MenuBar = new QMenuBar(this);
    Help = MenuBar->addMenu(QStringLiteral("Help"));
    HelpHelp = Help->addAction(QStringLiteral("Hulp bij dit onderdeel"));
    HelpHelp->setCheckable(true);
    connect(HelpHelp, &QAction::triggered, this, &EditForm::HelpHelp_Click);
    const int menuHeight = MenuBar->sizeHint().height();

    // Positions are measured inside the window, below the menu bar.
    const QRect client = twips(0, 0, OuterWidth - 2 * FrameWidth, OuterHeight - CaptionHeight - FrameWidth);
    setFixedSize(client.width(), client.height());
    MenuBar->setGeometry(0, 0, client.width(), menuHeight);
    auto *area = new QWidget(this);
    area->setGeometry(0, menuHeight, client.width(), client.height() - menuHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    m_list.setHeaders({QStringLiteral("Oplossing"), QStringLiteral("Omschrijving 1"), QStringLiteral("Omschrijving 2"),
                       QStringLiteral("Omschrijving 3"), QStringLiteral("Omschrijving 4")});
    ListView1 = new QTreeView(area);
    ListView1->setGeometry(twips(150, 120, 7500, 3510));
    ListView1->setFont(Vormgeving::arial(8.25));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Rows change only through the boxes and buttons, never in place.
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setModel(&m_list);
    ListView1->header()->setStretchLastSection(false);
    for (int column = 0; column < 5; ++column)
        ListView1->setColumnWidth(column, twips(0, 0, 1500, 0).width());
    setColours(ListView1, QColor(200, 200, 200));
    connect(ListView1, &QTreeView::clicked, this, &EditForm::ListView1_ItemClick);

    HelpPic = new HelpPanel(area);
    HelpPic->setGeometry(twips(150, 120, 7500, 3510));
    HelpPic->hide();

    Bar = new ProgressStrip(area);
    Bar->setGeometry(twips(3750, 120, 7530, 300));
    Bar->setBackColor(saveBarBackground());

    buildButtons(area);
    buildBoxes(area);

    PuzzleFile::load(m_context.folders.dataFile(QStringLiteral("Puzzel.lib")), m_list);
    showCount();
}

void EditForm::buildButtons(QWidget *client)
{
    static const std::array<const char *, 6> captions = {"Toevoegen", "Wijzigen", "Verwijderen",
                                                         "Afdrukken", "Opslaan", "Exit"};
    static const std::array<const char *, 6> tooltips = {
        " Item Toevoegen ", " Geselecteerde item Wijzigen ", " Geselecteerde item Verwijderen",
        " Complete lijst afdrukken ", " Bovenstaande lijst opslaan / saven ", " Bewerken stoppen "};
    int left = 120;
    for (int index = 0; index < 6; ++index) {
        auto *button = new VistaButton(client);
        button->setCaption(QString::fromLatin1(captions[index]));
        button->setFont(Vormgeving::arial(8.25));
        button->setGeometry(twips(4200, left, 1110, 360));
        connect(button, &VistaButton::clicked, this, [this, index] { Knop_Click(index); });
        Knop[index] = button;
        // "Opslaan" stands apart from the first four and "Exit" at the right edge.
        left += 1140 + (index == 3 ? 1860 : 0) + (index == 4 ? 2340 : 0);
    }
    for (int index = 0; index < 6; ++index)
        Knop[index]->setToolTip(QString::fromLatin1(tooltips[index]));
}

void EditForm::buildBoxes(QWidget *client)
{
    const auto label = [&](const QString &text, int top) {
        auto *l = new QLabel(text, client);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, labelColour);
        l->setPalette(pal);
        l->move(twips(top, 7800, 0, 0).topLeft());
        l->adjustSize();
        return l;
    };

    // Created top to bottom, so Tab walks the column in the order it is read.
    Combo1 = new QComboBox(client);
    Combo1->setEditable(true);
    // The height is the toolkit's own.
    QRect comboArea = twips(150, 7800, 3390, 0);
    comboArea.setHeight(Combo1->sizeHint().height());
    Combo1->setGeometry(comboArea);
    setColours(Combo1, QColor(200, 240, 200));
    const QStringList printers = m_context.printers.installed();
    Combo1->addItems(printers);
    const QString current = m_context.printers.current();
    const int currentIndex = printers.indexOf(current);
    if (currentIndex >= 0)
        Combo1->setCurrentIndex(currentIndex);
    else
        Combo1->setEditText(current);
    connect(Combo1, &QComboBox::activated, this, &EditForm::Combo1_Click);
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &EditForm::Combo1_Change);
    Label3 = label(QStringLiteral("Printer Keuze"), 525);

    Text0 = new QLineEdit(client);
    Text0->setGeometry(twips(870, 7800, 3390, 360));
    Text0->setFont(Vormgeving::arial(9));
    setColours(Text0, QColor(30, 0, 0), QColor(230, 230, 230));
    Text0->installEventFilter(this);
    Label0 = label(QStringLiteral("Trefwoord (Oplossing)"), 1260);

    for (int k = 0; k < 4; ++k) {
        QLineEdit *box = new QLineEdit(client);
        box->setGeometry(twips(1650 + 375 * k, 7800, 3390, 360));
        box->setFont(Vormgeving::arial(9));
        setColours(box, QColor(0, 30, 30), QColor(230, 230, 230));
        box->installEventFilter(this);
        Text1[k] = box;
    }
    Label1 = label(QStringLiteral("De 4 omschrijvingen"), 3180);

    Label2 = label(QStringLiteral("Aantal Items"), 3780);
    Label2->setFont(Vormgeving::arial(9.75));
    Label2->adjustSize();
}
