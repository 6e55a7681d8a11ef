#include "shell/main.h"

#include "controls/vistabutton.h"
#include "game/datamodule.h"
#include "shell/paintpanel.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

// What the game's rules do to the board, and the window's events handed to them.

QString Main::antwoord() const { return Text1->text(); }
void Main::setAntwoord(const QString &text) { Text1->setText(text); }
void Main::focusAntwoord() { Text1->setFocus(Qt::OtherFocusReason); }
void Main::setAntwoordEnabled(bool enabled) { Text1->setEnabled(enabled); }
void Main::setNextEnabled(bool enabled) { NextKnop->setEnabled(enabled); }

void Main::setMenuEnabled(bool enabled)
{
    for (int i = 0; i <= 5; ++i)
        MenuKnop[i]->setEnabled(enabled);
}

void Main::setWoordZichtbaar(int n, bool visible)
{
    WoordLabel[n - 1]->setVisible(visible);
    Img20[n - 1]->setVisible(visible);
}

void Main::toonRonde(const RondeBeeld &beeld)
{
    for (int n = 0; n < 3; ++n) {
        WoordLabel[n]->setText(beeld.woordCaption[n]);
        WoordLabel[n]->adjustSize();
    }
    Pic->setBackColor(s_board);
    paintRowMarkers();
    for (int n = 0; n < 3; ++n) {
        for (int x : beeld.tileX[n])
            Pic->drawImage(QRect(x, RondeBeeld::tileY[n], 20, 28), m_blur);
    }
    for (int i = 0; i < 12; ++i)
        TekstLabel[i]->setText(beeld.slotCaption[i]);
}

void Main::vulSlot(int slot, const QRect &rect, const QColor &colour)
{
    if (slot >= 1 && slot <= 12)
        KnopLabel[slot - 1]->fillRect(rect, colour);
}

void Main::setScoreTekst(const QString &text) { toonTekst(RondeLabel, text); }
void Main::setKlokTekst(const QString &text) { toonTekst(KlokLabel, text); }
void Main::setTijdTekst(const QString &text) { toonTekst(TijdLabel, text); }
void Main::setNaamTekst(const QString &text) { toonTekst(NaamLabel, text); }
void Main::setCoorTekst(const QString &text) { toonTekst(CoorLabel, text); }

void Main::setSpelklok(bool running)
{
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

void Main::minimaliseer() { showMinimized(); }
void Main::toonToolsMenu() { Tools->popup(QCursor::pos()); }
void Main::sluit() { close(); }

void Main::closeEvent(QCloseEvent *event)
{
    // Once the player has confirmed, later close requests (the application quitting)
    // pass without asking again.
    if (m_closing) {
        event->accept();
        return;
    }
    if (!m_controller.Form_Unload()) {
        event->ignore();
        return;
    }
    m_closing = true;
    Timer1->stop();
    Timer2->stop();
    event->accept();
    emit beeindigd();
}

bool Main::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            m_controller.Text1_KeyDown(enter ? GameController::EnterKey : key->key());
            return enter;
        }
        if (event->type() == QEvent::MouseButtonPress)
            m_controller.Text1_Click();
    } else if (watched == InfoLabel && event->type() == QEvent::MouseButtonDblClick) {
        m_controller.InfoLabel_DblClick();
        return true;
    } else if (watched == MiniPic && event->type() == QEvent::MouseButtonPress) {
        m_controller.MiniPic_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
