#include "shell/main.h"

#include "controls/vistabutton.h"
#include "controls/vormgeving.h"
#include "game/datamodule.h"
#include "game/platform.h"
#include "game/twips.h"
#include "shell/paintpanel.h"
#include "shell/tegellabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

using Vormgeving::arial;

QImage loadPicture(const QString &path, QSize fallbackSize, const QColor &fallback)
{
    QImage image(path);
    if (image.isNull()) {
        image = QImage(fallbackSize, QImage::Format_RGB32);
        image.fill(fallback);
    }
    return image;
}

} // namespace

Main::Main(QWidget *parent)
    : QWidget(parent)
    , m_controller(*this)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(QString());
    setAutoFillBackground(true);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
}

Main::~Main() = default;

int Main::px(double twips, bool) const
{
    return Twips::toPixels(twips, m_dpi);
}

QLabel *Main::label(QWidget *parent, const QString &text, const QFont &font, const QColor &colour, QPoint at)
{
    auto *l = new QLabel(text, parent);
    l->setFont(font);
    l->setAttribute(Qt::WA_TranslucentBackground);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->move(at);
    l->adjustSize();
    return l;
}

void Main::setBorderColour(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void Main::Form_Load(const QSize &screen, double dpi)
{
    m_dpi = dpi > 0 ? dpi : 96.0;
    const double screenW = Twips::fromPixels(screen.width(), m_dpi);
    const double screenH = Twips::fromPixels(screen.height(), m_dpi);

    // 1. The window fills the screen; its own colour shows as the frame round the panels.
    setGeometry(0, 0, screen.width(), screen.height());
    setBorderColour(QColor(30, 0, 0));

    // 2.
    CoorLabel = label(this, QStringLiteral("0 x 0"), arial(9), QColor(120, 120, 120),
                      QPoint(px(300), px(screenH - 270)));

    // 3. The board; drawing inside it is in pixels.
    Pic = new PaintPanel(this);
    Pic->setGeometry(px(300), px(300), px(screenW - 600), px(screenH - 1650));
    Pic->setBackColor(s_board);
    Pic->setMouseTracking(true);
    connect(Pic, &PaintPanel::mouseMoved, this, [this](double x, double y) { m_controller.Pic_MouseMove(x, y); });
    const int insideW = Pic->width();
    const int insideH = Pic->height();

    // 4.
    m_picture1 = loadPicture(QStringLiteral(":/pictures/picture1.png"), QSize(60, 36), QColor(90, 90, 120));
    m_blur = loadPicture(QStringLiteral(":/pictures/blur.png"), QSize(20, 28), QColor(160, 160, 170));
    paintRowMarkers();

    // 5.
    MiniPic = new QLabel(Pic);
    MiniPic->setPixmap(QPixmap(QStringLiteral(":/pictures/minipic.png")));
    MiniPic->move(insideW - 30, 7);
    MiniPic->adjustSize();
    MiniPic->setToolTip(QStringLiteral(" Scherm Verkleinen "));
    MiniPic->installEventFilter(this);

    // 6. A missing or unreadable picture leaves the image empty.
    BackImage = new QLabel(Pic);
    BackImage->setPixmap(QPixmap::fromImage(QImage(Platform::dataFile(QStringLiteral("Background.art")))));
    BackImage->move(850, insideH - 660);
    BackImage->adjustSize();
    BackImage->lower();

    // 7. The title twice, the black copy 4 pixels up and left of the green one.
    Label3 = label(Pic, QStringLiteral("De Trefkoning"), arial(30, true), Qt::black, QPoint(insideW - 350, insideH - 55));
    Label4 = label(Pic, QStringLiteral("De Trefkoning"), arial(30, true), QColor(0, 110, 60),
                   QPoint(insideW - 346, insideH - 51));

    // 8.
    InfoLabel = label(Pic, QString(), arial(9.75), QColor(100, 100, 100), QPoint(7, insideH - 21));
    InfoLabel->installEventFilter(this);
    TijdLabel = label(Pic, QString(), arial(9.75), QColor(100, 100, 100), QPoint(42, insideH - 21));

    // 9.
    m_schema = Platform::drawWhole(7);

    // 10.
    maakGrid();

    // 11.
    const std::array<int, 3> rows = RondeBeeld::rowY;
    for (int i = 0; i < 3; ++i) {
        auto *woord = new TegelLabel(QStringLiteral("Woord %1").arg(i + 1), Pic);
        woord->setFont(arial(14, true));
        QPalette pal = woord->palette();
        pal.setColor(QPalette::WindowText, QColor(225, 225, 225));
        woord->setPalette(pal);
        woord->move(150, rows[i]);
        woord->adjustSize();
        woord->hide();
        WoordLabel[i] = woord;
        Img20[i] = new QLabel(Pic);
        Img20[i]->setPixmap(QPixmap(QStringLiteral(":/pictures/img20.png")));
        Img20[i]->move(80, rows[i]);
        Img20[i]->adjustSize();
        Img20[i]->hide();
    }

    // 12.
    Label2 = label(Pic, QStringLiteral("Naam Speler : "), arial(12, true), QColor(160, 160, 160), QPoint(22, 445));
    NaamLabel = label(Pic, QString(), arial(12, true), QColor(160, 160, 160), QPoint(132, 445));

    // 13. The green frame round the answer box, with a bevel of four grey rings.
    InvoerPic = new PaintPanel(Pic);
    InvoerPic->setGeometry(665, 445, 317, 44);
    InvoerPic->setBackColor(QColor(0, 100, 0));
    for (int k = 0; k <= 3; ++k) {
        const int grey = 120 + 15 * k;
        InvoerPic->outline(k, k, InvoerPic->width() - k - 1, InvoerPic->height() - k - 1, QColor(grey, grey, grey));
    }

    // 14.
    Text1 = new QLineEdit(QStringLiteral("?"), InvoerPic);
    Text1->setFrame(false);
    Text1->setFont(arial(18, true));
    Text1->setGeometry(10, 6, 270, Text1->sizeHint().height());
    QPalette textPal = Text1->palette();
    textPal.setColor(QPalette::Base, QColor(0, 100, 0));
    textPal.setColor(QPalette::Text, QColor(235, 235, 235));
    Text1->setPalette(textPal);
    Text1->installEventFilter(this);

    // 15.
    Label1 = label(Pic, QStringLiteral("Typ hierboven de oplossing in en druk op 'Enter'"), arial(9.75, true),
                   QColor(128, 128, 128), QPoint(670, 496));

    // 16.
    NextKnop = new VistaButton(Pic);
    NextKnop->setGeometry(550, 446, 108, 42);
    NextKnop->setCaption(QStringLiteral("Volgende"));
    NextKnop->setFont(arial(8.25));
    NextKnop->setBackColor(QColor(70, 70, 90));
    NextKnop->setToolTip(QStringLiteral(" Laat de oplossing zien! "));
    NextKnop->setEnabled(false);
    connect(NextKnop, &VistaButton::clicked, this, [this] { m_controller.NextKnop_Click(); });

    // 17 to 19.
    PicKnoppen = new PaintPanel(this);
    PicKnoppen->setGeometry(px(300), px(screenH - 1200), px(screenW - 600), px(870));
    PicKnoppen->setBackColor(QColor(30, 30, 0));
    maakKnoppenbalk();

    Tools = new QMenu(QStringLiteral("Tools"), this);
    const QStringList items{QStringLiteral("Instellingen"), QStringLiteral("Woorden zoeken"),
                            QStringLiteral("Spreekwoorden")};
    for (int i = 0; i < items.size(); ++i)
        Tools->addAction(items[i], this, [this, i] { m_controller.Tools2_click(i + 1); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { m_controller.Timer1_Timer(); });
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, [this] { m_controller.Timer2_Timer(); });
    Timer2->start();

    // 20 to 24: the puzzle list, the score list and the settings. A settings file that
    // could not be read leaves the first border colour.
    const bool settingsRead = m_controller.laadGegevens();
    toonTekst(InfoLabel, QString::number(m_controller.state().AantalItems) + QStringLiteral(" / "));
    if (settingsRead)
        setBorderColour(m_controller.settings().randkleur());
    m_controller.Timer2_Timer();
}

void Main::toonTekst(QLabel *label, const QString &text)
{
    // The labels size themselves to their text.
    label->setText(text);
    label->adjustSize();
}

void Main::paintRowMarkers()
{
    for (int y : RondeBeeld::rowY)
        Pic->drawImage(QRect(80, y, 60, 36), m_picture1);
}

void Main::maakGrid()
{
    static const std::array<QColor (*)(int), 7> schemes = {
        [](int c) { return QColor(c, 60, 60); }, [](int c) { return QColor(60, c, 60); },
        [](int c) { return QColor(60, 60, c); }, [](int c) { return QColor(c, c, 60); },
        [](int c) { return QColor(60, c, c); },  [](int c) { return QColor(c, 60, c); },
        [](int c) { return QColor(c, c, c); },
    };
    const auto ring = schemes[qBound(1, m_schema, 7) - 1];
    int x = 20;
    int y = 20;
    for (int i = 0; i < 12; ++i) {
        auto *slot = new PaintPanel(Pic);
        slot->setGeometry(x, y, 317, 100);
        slot->setBackColor(QColor(120, 120, 120));
        for (int j = 0; j <= 8; ++j)
            slot->outline(j, j, slot->width() - j - 1, slot->height() - j - 1, ring(60 + 23 * j));
        KnopLabel[i] = slot;

        // The description is centred in the slot's inner area and may wrap.
        auto *text = label(slot, QStringLiteral("?"), arial(16, true), Qt::black, QPoint(9, 9));
        text->setAlignment(Qt::AlignCenter);
        text->setWordWrap(true);
        text->setGeometry(9, 9, 317 - 18, 100 - 18);
        TekstLabel[i] = text;

        x += 322;
        if ((i + 1) % 3 == 0) {
            x = 20;
            y += 105;
        }
    }
}

void Main::maakKnoppenbalk()
{
    static const std::array<const char *, 7> captions = {"Start", "Edit", "Tools", "Help", "Score", "About", "Exit"};
    static const std::array<const char *, 7> tips = {
        " Programma starten ",       " Woorden toevoegen ", " Instellingen ", " Hulp bij dit programma ",
        " Scorelijst Spelers ",      " About me ",          " Programma stoppen ",
    };
    int x = 6;
    for (int i = 0; i < 7; ++i) {
        auto *knop = new VistaButton(PicKnoppen);
        knop->setGeometry(x, 6, 70, 43);
        knop->setCaption(QString::fromLatin1(captions[i]));
        knop->setToolTip(QString::fromLatin1(tips[i]));
        knop->setFont(arial(8.25));
        knop->setBackColor(QColor(90, 90, 120));
        connect(knop, &VistaButton::clicked, this, [this, i] { m_controller.MenuKnop_Click(i); });
        MenuKnop[i] = knop;
        x += 75;
    }
    MenuKnop[6]->move(PicKnoppen->width() - 76, 6);

    const QFont big = arial(30, true);
    PicKnoppen->drawText(QPoint(470, 6), QStringLiteral("Score :"), big, QColor(90, 90, 0));
    PicKnoppen->drawText(QPoint(780, 6), QStringLiteral("Tijd :"), big, QColor(90, 90, 0));
    RondeLabel = label(PicKnoppen, QString(), big, QColor(90, 90, 90), QPoint(615, 6));
    KlokLabel = label(PicKnoppen, QStringLiteral("00:00"), big, QColor(90, 90, 90), QPoint(880, 6));
}
