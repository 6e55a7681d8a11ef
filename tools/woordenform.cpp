#include "tools/woordenform.h"

#include "controls/vistabutton.h"
#include "controls/vormgeving.h"
#include "shell/dialogs.h"
#include "game/clock.h"
#include "game/folders.h"
#include "game/blanks.h"
#include "common/twips.h"
#include "tools/woordenlijstmodel.h"
#include "tools/woordzoeker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>

namespace {

// Enough to show progress at the screen's pace without spending the search on repaints.
constexpr qint64 s_frameMs = 16;

} // namespace

WoordenForm::WoordenForm(const AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    Form_Load();
}

QRect WoordenForm::twips(int left, int top, int width, int height) const
{
    return Vormgeving::twips(this, top, left, width, height);
}

void WoordenForm::Form_Load()
{
    setWindowTitle(QStringLiteral("Zoeken in Database (159.775 Woorden)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The window's size includes its frame and title bar; the inside is that much smaller.
    setFixedSize(Vormgeving::binnenmaat(this, 8400, 4020));
    setFont(Vormgeving::arial(8.25));
    setAutoFillBackground(true);
    Vormgeving::setKleur(this, QPalette::Window, QColor(230, 230, 190));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    m_woorden = new WoordenLijstModel(this);
    List1 = new QListView(this);
    List1->setGeometry(twips(150, 180, 3300, 3180));
    List1->setFont(Vormgeving::arial(9.75));
    List1->setUniformItemSizes(true);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setModel(m_woorden);
    Vormgeving::setKleur(List1, QPalette::Base, QColor(30, 0, 0));
    Vormgeving::setKleur(List1, QPalette::Text, QColor(230, 230, 230));

    Text1 = new QLineEdit(QStringLiteral("Woord"), this);
    Text1->setGeometry(twips(3600, 195, 2100, 330));
    Text1->setFont(Vormgeving::arial(9.75));
    Vormgeving::setKleur(Text1, QPalette::Base, QColor(210, 210, 190));
    Vormgeving::setKleur(Text1, QPalette::Text, Qt::black);
    Text1->installEventFilter(this);

    const auto label = [this](const QString &caption, int left, int top) {
        auto *l = new QLabel(caption, this);
        l->setFont(Vormgeving::arial(9.75));
        l->move(twips(left, top, 0, 0).topLeft());
        l->adjustSize();
        return l;
    };
    Label1 = label(QStringLiteral("Trefwoord (Min.3 tekens)"), 5790, 240);

    const QString modi[3] = {QStringLiteral("Woorden die beginnen met het trefwoord."),
                             QStringLiteral("Woorden die eindigen op het trefwoord."),
                             QStringLiteral("Woorden die het trefwoord bevatten.")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = new QRadioButton(modi[i], this);
        Option1[i]->setGeometry(twips(4050, 900 + 330 * i, 4050, 330));
        Option1[i]->setFont(Vormgeving::arial(9.75));
    }
    Option1[0]->setChecked(true);

    // The frame lies behind the button, 30 twips outside it on every side.
    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(twips(3870, 2220, 1050, 390));

    StartKnop = new VistaButton(this);
    StartKnop->setCaption(QStringLiteral("Start"));
    StartKnop->setBackColor(QColor(128, 255, 128));
    StartKnop->setNoBackground(true);
    StartKnop->setFont(Vormgeving::arial(9.75));
    StartKnop->setGeometry(twips(3900, 2250, 990, 330));
    connect(StartKnop, &VistaButton::clicked, this, &WoordenForm::StartKnop_Click);

    Label2 = label(QStringLiteral("Start met zoeken"), 4980, 2295);
    Vormgeving::setKleur(Label2, QPalette::WindowText, QColor(190, 0, 0));
    Label3 = label(QStringLiteral("0 Woorden"), 3570, 3090);

    CancelKnop = new VistaButton(this);
    CancelKnop->setCaption(QStringLiteral("Exit"));
    CancelKnop->setBackColor(Qt::white);
    CancelKnop->setFont(Vormgeving::arial(8.25));
    CancelKnop->setGeometry(twips(7110, 3000, 990, 360));
    connect(CancelKnop, &VistaButton::clicked, this, &WoordenForm::CancelKnop_Click);
}

void WoordenForm::StartKnop_Click()
{
    const QString term = trimBlanks(Text1->text());
    if (term.isEmpty()) {
        m_context.dialogs.message(QStringLiteral("Trefwoord invullen a.u.b."), Dialogs::applicationTitle());
        return;
    }
    if (term.size() < 3) {
        m_context.dialogs.message(QStringLiteral("Alleen trefwoorden vanaf 3 tekens!"),
                                    Dialogs::applicationTitle());
        return;
    }
    for (qint16 i = 0; i < 3; ++i) {
        if (Option1[i]->isChecked()) {
            LaadDatabase(i);
            return;
        }
    }
}

void WoordenForm::LaadDatabase(qint16 index)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_woorden->clear();
    // The term keeps any blanks typed around it: they are part of what is looked for.
    Text1->setText(QLocale().toLower(Text1->text()));
    const WoordZoeker zoeker(Text1->text(), WoordZoeker::Modus(index));

    QElapsedTimer sindsGetoond;
    sindsGetoond.start();
    const bool gelezen = zoeker.zoek(m_context.folders.shippedFile(QStringLiteral("Nederlands.lib")),
                                     [&](const QStringList &gevonden) {
                                         m_woorden->append(gevonden);
                                         if (sindsGetoond.elapsed() >= s_frameMs) {
                                             toonLijst();
                                             sindsGetoond.restart();
                                         }
                                     });
    if (!gelezen) {
        m_context.dialogs.message(QStringLiteral("Kan de database niet vinden!"), Dialogs::applicationTitle());
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    toonLijst();
    Label3->setText(QString::number(m_woorden->rowCount()) + QStringLiteral(" Woorden gevonden..."));
    Label3->adjustSize();
}

// Lets the list lay out and paint what it holds now. Typing and clicks wait until the
// search is over, so the search cannot be started again from inside itself.
void WoordenForm::toonLijst()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WoordenForm::CancelKnop_Click()
{
    accept();
}

void WoordenForm::Text1_Click()
{
    Text1->clear();
}

bool WoordenForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Text1_Click();
    }
    return QDialog::eventFilter(watched, event);
}
