#include "shell/configform.h"

#include "controls/vistabutton.h"
#include "controls/vormgeving.h"
#include "game/gamesettings.h"
#include "game/blanks.h"
#include "common/twips.h"
#include "shell/speeltijdtekst.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>

namespace {

const QString s_standaardTekst = QStringLiteral("Brovelt Software 2019");
constexpr int s_resetIndex = 18; // 600 seconds in the list

} // namespace

ConfigForm::ConfigForm(GameSettings &settings, std::function<void(const QColor &)> setBorderColour,
                       QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_setBorderColour(std::move(setBorderColour))
{
    Form_Load();
}

QRect ConfigForm::twips(int top, int left, int width, int height) const
{
    return Vormgeving::twips(this, top, left, width, height);
}

QLabel *ConfigForm::label(const QString &caption, int top, int left)
{
    auto *l = new QLabel(caption, this);
    l->move(twips(top, left, 0, 0).topLeft());
    Vormgeving::setKleur(l, QPalette::WindowText, QColor(64, 64, 64));
    l->adjustSize();
    return l;
}

void ConfigForm::Form_Load()
{
    setWindowTitle(QStringLiteral("Instellingen"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The window's size includes its frame and title bar; the inside is that much smaller.
    setFixedSize(Vormgeving::binnenmaat(this, 7200, 3090));
    setFont(Vormgeving::arial(8.25));
    setAutoFillBackground(true);
    Vormgeving::setKleur(this, QPalette::Window, QColor(190, 230, 190));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Text1 = new QLineEdit(m_settings.printFooter, this);
    Text1->setGeometry(twips(240, 180, 6720, 300));
    Vormgeving::setKleur(Text1, QPalette::Base, QColor(230, 230, 230));
    Vormgeving::setKleur(Text1, QPalette::Text, QColor(60, 60, 60));
    Label1 = label(QStringLiteral("Tekst bij het afdrukken onderaan elke pagina"), 660, 3660);

    Label2 = new QFrame(this);
    Label2->setFrameShape(QFrame::Box);
    Label2->setGeometry(twips(750, 180, 1800, 825));
    Label2->setAutoFillBackground(true);
    Vormgeving::setKleur(Label2, QPalette::Window, Qt::black);

    const QColor labelKleur[3] = {QColor(128, 0, 0), QColor(0, 128, 0), QColor(0, 0, 128)};
    const QColor colour = m_settings.borderColour();
    const int waarden[3] = {colour.red(), colour.green(), colour.blue()};
    for (int k = 0; k < 3; ++k) {
        HScroll1[k] = new QScrollBar(Qt::Horizontal, this);
        HScroll1[k]->setGeometry(twips(780 + 255 * k, 210, 1740, 255));
        HScroll1[k]->setRange(0, 255);
        HScroll1[k]->setSingleStep(1);
        HScroll1[k]->setPageStep(1);
        // A scroll bar's keys run the other way by default; the left arrow key lowers
        // the value here, as the bar's own left arrow does.
        HScroll1[k]->setInvertedControls(false);
        HScroll1[k]->setValue(waarden[k]);
        Label5[k] = label(QString::number(waarden[k]), 825 + 255 * k, 2640);
        Label5[k]->setFont(Vormgeving::arial(8.25, true));
        Vormgeving::setKleur(Label5[k], QPalette::WindowText, labelKleur[k]);
        // Room for "255" whatever the value shown first.
        Label5[k]->setMinimumWidth(Label5[k]->fontMetrics().horizontalAdvance(QStringLiteral("2550")));
        Label5[k]->adjustSize();
    }

    Label3 = new QFrame(this);
    Label3->setFrameShape(QFrame::Box);
    Label3->setGeometry(twips(750, 2070, 450, 825));
    Label3->setAutoFillBackground(true);
    Vormgeving::setKleur(Label3, QPalette::Window, sliderColour());

    Label4 = label(QStringLiteral("Randkleur hoofdscherm"), 1650, 195);

    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setFont(Vormgeving::arial(9));
    // The box takes the height its font needs, as only its width is laid down.
    QRect comboRect = twips(1230, 3420, 780, 0);
    comboRect.setHeight(Combo1->sizeHint().height());
    Combo1->setGeometry(comboRect);
    Vormgeving::setKleur(Combo1, QPalette::Base, QColor(0, 0, 50));
    Vormgeving::setKleur(Combo1, QPalette::Text, QColor(230, 230, 230));
    for (int seconden = 60; seconden <= 900; seconden += 30)
        Combo1->addItem(QString::number(seconden));
    Combo1->setEditText(QString::number(m_settings.speeltijd));

    Label6 = label(SpeeltijdTekst::minutenTekstVoor(Combo1->currentText()), 1290, 4280);
    connect(Combo1, &QComboBox::editTextChanged, this, &ConfigForm::Combo1_Change);
    connect(Combo1, &QComboBox::activated, this, &ConfigForm::Combo1_Click);

    // Connected only now, so filling the sliders above does not touch the main window.
    for (int k = 0; k < 3; ++k)
        connect(HScroll1[k], &QScrollBar::valueChanged, this, [this, k] { HScroll1_Change(k); });

    const auto knop = [this](const QString &caption, int left, int width, void (ConfigForm::*handler)()) {
        auto *button = new VistaButton(this);
        button->setCaption(caption);
        button->setGeometry(twips(2100, left, width, 360));
        connect(button, &VistaButton::clicked, this, handler);
        return button;
    };
    ResetKnop = knop(QStringLiteral("Reset"), 180, 930, &ConfigForm::ResetKnop_Click);
    Label10 = label(QStringLiteral("Reset naar beginwaarden"), 2160, 1200);
    CancelKnop = knop(QStringLiteral("Annuleren"), 4920, 930, &ConfigForm::CancelKnop_Click);
    OkKnop = knop(QStringLiteral("Ok"), 5880, 960, &ConfigForm::OkKnop_Click);
}

QColor ConfigForm::sliderColour() const
{
    return QColor(HScroll1[0]->value(), HScroll1[1]->value(), HScroll1[2]->value());
}

void ConfigForm::toonKleur(const QColor &colour)
{
    Vormgeving::setKleur(Label3, QPalette::Window, colour);
    const int waarden[3] = {colour.red(), colour.green(), colour.blue()};
    for (int k = 0; k < 3; ++k) {
        Label5[k]->setText(QString::number(waarden[k]));
        Label5[k]->adjustSize();
    }
}

void ConfigForm::Combo1_Change()
{
    Label6->setText(SpeeltijdTekst::minutenTekstVoor(Combo1->currentText()));
    Label6->adjustSize();
}

void ConfigForm::Combo1_Click()
{
    Combo1_Change();
}

// Also while a slider is dragged, so the main window follows the thumb.
void ConfigForm::HScroll1_Change(int)
{
    const QColor colour = sliderColour();
    toonKleur(colour);
    if (m_setBorderColour)
        m_setBorderColour(colour);
}

void ConfigForm::ResetKnop_Click()
{
    Text1->setText(s_standaardTekst);
    const QSignalBlocker red(HScroll1[0]), green(HScroll1[1]), blue(HScroll1[2]);
    HScroll1[0]->setValue(30);
    HScroll1[1]->setValue(0);
    HScroll1[2]->setValue(0);
    toonKleur(sliderColour());

    m_settings.borderRed = 30;
    m_settings.borderGreen = 0;
    m_settings.borderBlue = 0;
    m_settings.speeltijd = 600;

    Combo1->setCurrentIndex(s_resetIndex);
    // Choosing the entry already chosen leaves typed text standing; put the value back.
    Combo1->setEditText(Combo1->itemText(s_resetIndex));
    if (m_setBorderColour)
        m_setBorderColour(QColor(30, 0, 0));
}

void ConfigForm::OkKnop_Click()
{
    m_settings.printFooter = trimBlanks(Text1->text());
    m_settings.borderRed = HScroll1[0]->value();
    m_settings.borderGreen = HScroll1[1]->value();
    m_settings.borderBlue = quint8(HScroll1[2]->value());
    m_settings.speeltijd = SpeeltijdTekst::speeltijd(Combo1->currentText());
    if (m_setBorderColour)
        m_setBorderColour(m_settings.borderColour());
    accept();
}

void ConfigForm::CancelKnop_Click()
{
    reject();
}
