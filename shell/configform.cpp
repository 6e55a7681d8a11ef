#include "shell/configform.h"

#include "common/twips.h"
#include "controls/accessiblecontainer.h"
#include "controls/look.h"
#include "controls/vistabutton.h"
#include "game/gamesettings.h"
#include "shell/playingtimetext.h"
#include "ui/dialogs.h"
#include "ui/typedtext.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace {

const QString s_defaultFooter = QStringLiteral("Brovelt Software 2019");
constexpr int s_resetIndex = 18; // 600 seconds in the list
// The right edge of the footer box: the window's margin on the right.
constexpr int s_rightEdge = 180 + 6720;

} // namespace

ConfigForm::ConfigForm(GameSettings &settings, std::function<void(const QColor &)> setBorderColour,
                       Dialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_settings(settings)
    , m_setBorderColour(std::move(setBorderColour))
{
    createControls();
}

QLabel *ConfigForm::label(const QString &caption, int left, int top)
{
    auto *l = new QLabel(caption, this);
    l->move(Twips::rect(left, top, 0, 0, logicalDpiY()).topLeft());
    Look::setColour(l, QPalette::WindowText, QColor(64, 64, 64));
    l->adjustSize();
    return l;
}

void ConfigForm::createControls()
{
    Look::setUpFixedWindow(this, QStringLiteral("Instellingen"), 7200, 3090);
    setFont(Look::arial(8.25));
    setAutoFillBackground(true);
    Look::setColour(this, QPalette::Window, QColor(190, 230, 190));
    const double dpi = logicalDpiY();

    m_footerBox = new QLineEdit(m_settings.printFooter, this);
    TypedText::keepWhole(m_footerBox);
    m_footerBox->setGeometry(Twips::rect(180, 240, 6720, 300, dpi));
    Look::setColour(m_footerBox, QPalette::Base, QColor(230, 230, 230));
    Look::setColour(m_footerBox, QPalette::Text, QColor(60, 60, 60));
    m_footerLabel = label(QStringLiteral("Tekst bij het afdrukken onderaan elke pagina"), 3660, 660);

    m_sliderPanel = new QFrame(this);
    m_sliderPanel->setFrameShape(QFrame::Box);
    m_sliderPanel->setGeometry(Twips::rect(180, 750, 1800, 825, dpi));
    m_sliderPanel->setAutoFillBackground(true);
    Look::setColour(m_sliderPanel, QPalette::Window, Qt::black);

    const QColor valueColours[3] = {QColor(128, 0, 0), QColor(0, 128, 0), QColor(0, 0, 128)};
    const QColor colour = m_settings.borderColour();
    const int values[3] = {colour.red(), colour.green(), colour.blue()};
    for (int k = 0; k < 3; ++k) {
        QScrollBar *slider = new QScrollBar(Qt::Horizontal, this);
        m_colourSliders[k] = slider;
        slider->setGeometry(Twips::rect(210, 780 + 255 * k, 1740, 255, dpi));
        slider->setRange(0, 255);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        // A scroll bar's keys run the other way by default; the left arrow key lowers
        // the value here, as the bar's own left arrow does.
        slider->setInvertedControls(false);
        // A scroll bar takes no focus by default; these are controls of their own, reached
        // by Tab and moved with the arrow keys.
        slider->setFocusPolicy(Qt::StrongFocus);
        slider->setValue(values[k]);
        QLabel *value = label(QString::number(values[k]), 2640, 825 + 255 * k);
        m_colourValueLabels[k] = value;
        value->setFont(Look::arial(8.25, true));
        Look::setColour(value, QPalette::WindowText, valueColours[k]);
        // Room for "255" whatever the value shown first.
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("2550")));
        value->adjustSize();
    }

    m_colourSample = new QFrame(this);
    m_colourSample->setFrameShape(QFrame::Box);
    m_colourSample->setGeometry(Twips::rect(2070, 750, 450, 825, dpi));
    m_colourSample->setAutoFillBackground(true);
    Look::setColour(m_colourSample, QPalette::Window, sliderColour());

    m_borderColourLabel = label(QStringLiteral("Randkleur hoofdscherm"), 195, 1650);

    m_playingTimeBox = new QComboBox(this);
    m_playingTimeBox->setEditable(true);
    // The box keeps exactly what is typed: completing "45" from the list would make it
    // "450", and an entry of its own would change the list.
    m_playingTimeBox->setCompleter(nullptr);
    m_playingTimeBox->setInsertPolicy(QComboBox::NoInsert);
    m_playingTimeBox->setFont(Look::arial(9));
    // The box takes the height its font needs, as only its width is laid down.
    QRect boxRect = Twips::rect(3420, 1230, 780, 0, dpi);
    boxRect.setHeight(m_playingTimeBox->sizeHint().height());
    m_playingTimeBox->setGeometry(boxRect);
    Look::setColour(m_playingTimeBox, QPalette::Base, QColor(0, 0, 50));
    Look::setColour(m_playingTimeBox, QPalette::Text, QColor(230, 230, 230));
    for (int seconds = 60; seconds <= 900; seconds += 30)
        m_playingTimeBox->addItem(QString::number(seconds));
    // The list opens at the time set, or at the entry nearest to a time it does not hold
    // (halfway between two, the shorter).
    const qint64 nearest = (qint64(m_settings.speeltijd) - 60 + 14) / 30;
    m_playingTimeBox->setCurrentIndex(int(std::clamp<qint64>(nearest, 0, m_playingTimeBox->count() - 1)));
    m_playingTimeBox->setEditText(QString::number(m_settings.speeltijd));

    m_minutesLabel = label(QString(), 4280, 1290);
    // A long time breaks onto a second line, above the buttons, rather than past the
    // window's edge or cut off.
    m_minutesLabel->setWordWrap(true);
    m_minutesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_minutesLabel->setFixedWidth(Twips::toPixels(s_rightEdge, dpi) - m_minutesLabel->x());
    showMinutes();
    connect(m_playingTimeBox, &QComboBox::editTextChanged, this, &ConfigForm::showMinutes);
    connect(m_playingTimeBox, &QComboBox::activated, this, &ConfigForm::showMinutes);

    // Connected only now, so filling the sliders above does not touch the main window.
    for (QScrollBar *slider : m_colourSliders)
        connect(slider, &QScrollBar::valueChanged, this, &ConfigForm::followSliders);

    const auto button = [this, dpi](const QString &caption, int left, int width, void (ConfigForm::*handler)()) {
        auto *b = new VistaButton(this);
        b->setCaption(caption);
        b->setGeometry(Twips::rect(left, 2100, width, 360, dpi));
        connect(b, &VistaButton::clicked, this, handler);
        return b;
    };
    m_resetButton = button(QStringLiteral("Reset"), 180, 930, &ConfigForm::resetToDefaults);
    m_resetLabel = label(QStringLiteral("Reset naar beginwaarden"), 1200, 2160);
    m_cancelButton = button(QStringLiteral("Annuleren"), 4920, 930, &QDialog::reject);
    m_okButton = button(QStringLiteral("Ok"), 5880, 960, &ConfigForm::store);

    m_footerBox->setAccessibleName(m_footerLabel->text());
    const QString colourNames[3] = {QStringLiteral("Rood"), QStringLiteral("Groen"), QStringLiteral("Blauw")};
    for (int k = 0; k < 3; ++k) {
        m_colourSliders[k]->setAccessibleName(m_borderColourLabel->text() + QStringLiteral(": ") + colourNames[k]);
        // The slider itself tells its value.
        AccessibleContainer::markDecorative(m_colourValueLabels[k]);
    }
    AccessibleContainer::markDecorative(m_sliderPanel);
    AccessibleContainer::markDecorative(m_colourSample);
    // On Linux a combo box is read by its text; what it is for goes in the description.
    m_playingTimeBox->setAccessibleName(QStringLiteral("Speeltijd in seconden"));
    m_playingTimeBox->setAccessibleDescription(m_playingTimeBox->accessibleName());
    // The focus stands in the box's text field, which a screen reader names on its own.
    m_playingTimeBox->lineEdit()->setAccessibleName(m_playingTimeBox->accessibleName());
}

void ConfigForm::keyPressEvent(QKeyEvent *event)
{
    // Enter where no button takes it (in a text box, on a slider) confirms, as Ok does,
    // as in every dialog; a focused button takes Enter itself.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        store();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ConfigForm::showMinutes()
{
    m_minutesLabel->setText(PlayingTimeText::minutesTextFor(m_playingTimeBox->currentText()));
    m_minutesLabel->setFixedHeight(m_minutesLabel->heightForWidth(m_minutesLabel->width()));
}

QColor ConfigForm::sliderColour() const
{
    return QColor(m_colourSliders[0]->value(), m_colourSliders[1]->value(), m_colourSliders[2]->value());
}

void ConfigForm::showColour(const QColor &colour)
{
    Look::setColour(m_colourSample, QPalette::Window, colour);
    const int values[3] = {colour.red(), colour.green(), colour.blue()};
    for (int k = 0; k < 3; ++k) {
        m_colourValueLabels[k]->setText(QString::number(values[k]));
        m_colourValueLabels[k]->adjustSize();
    }
}

// Also while a slider is dragged, so the main window follows the thumb.
void ConfigForm::followSliders()
{
    const QColor colour = sliderColour();
    showColour(colour);
    if (m_setBorderColour)
        m_setBorderColour(colour);
}

void ConfigForm::resetToDefaults()
{
    m_footerBox->setText(s_defaultFooter);
    const QSignalBlocker red(m_colourSliders[0]), green(m_colourSliders[1]), blue(m_colourSliders[2]);
    m_colourSliders[0]->setValue(30);
    m_colourSliders[1]->setValue(0);
    m_colourSliders[2]->setValue(0);
    showColour(sliderColour());

    m_settings.borderRed = 30;
    m_settings.borderGreen = 0;
    m_settings.borderBlue = 0;
    m_settings.speeltijd = 600;

    m_playingTimeBox->setCurrentIndex(s_resetIndex);
    // Choosing the entry already chosen leaves typed text standing; put the value back.
    m_playingTimeBox->setEditText(m_playingTimeBox->itemText(s_resetIndex));
    if (m_setBorderColour)
        m_setBorderColour(QColor(30, 0, 0));
}

void ConfigForm::store()
{
    // A value left as the window showed it stays as the record holds it, also where the
    // window could not show it exactly (a red of 300, a playing time of 0, blanks round the
    // footer): opening the window and pressing OK changes nothing. What the player changed
    // and the settings file cannot hold, or the game would not play as shown, is refused
    // here; the window stays open with the box to correct.
    const bool footerKept = m_footerBox->text() == m_settings.printFooter;
    const QString footer = footerKept ? m_settings.printFooter : TypedText::field(m_footerBox->text());
    const QString footerRefusal =
        footerKept ? QString() : printFooterRefusal(footer, QStringLiteral("de tekst bij het afdrukken"));
    if (!footerRefusal.isEmpty()) {
        m_dialogs.message(footerRefusal, windowTitle(), Dialogs::Icon::Exclamation);
        m_footerBox->setFocus();
        return;
    }
    const QString playingTime = m_playingTimeBox->currentText();
    const std::optional<qint32> speeltijd = playingTime == QString::number(m_settings.speeltijd)
        ? std::optional<qint32>(m_settings.speeltijd)
        : PlayingTimeText::playable(playingTime);
    if (!speeltijd) {
        m_dialogs.message(PlayingTimeText::refusal(playingTime), windowTitle(), Dialogs::Icon::Exclamation);
        m_playingTimeBox->setFocus();
        return;
    }
    const QColor shown = m_settings.borderColour();
    const auto part = [this](int k, int shownValue, auto stored) {
        const int value = m_colourSliders[k]->value();
        return value == shownValue ? stored : decltype(stored)(value);
    };
    m_settings.printFooter = footer;
    m_settings.borderRed = part(0, shown.red(), m_settings.borderRed);
    m_settings.borderGreen = part(1, shown.green(), m_settings.borderGreen);
    m_settings.borderBlue = part(2, shown.blue(), m_settings.borderBlue);
    m_settings.speeltijd = *speeltijd;
    if (m_setBorderColour)
        m_setBorderColour(m_settings.borderColour());
    accept();
}
