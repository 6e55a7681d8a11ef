#include "tools/spreekwoordform.h"

#include "controls/vistabutton.h"
#include "controls/vormgeving.h"
#include "shell/dialogs.h"
#include "game/clock.h"
#include "game/folders.h"
#include "common/twips.h"
#include "tools/spreekwoordenlijst.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace {

const QString s_titel = QStringLiteral("Spreekwoorden en Gezegden");

} // namespace

SpreekwoordForm::SpreekwoordForm(const AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    Form_Load();
}

QRect SpreekwoordForm::twips(int left, int top, int width, int height) const
{
    return Vormgeving::twips(this, top, left, width, height);
}

void SpreekwoordForm::Form_Load()
{
    setWindowTitle(s_titel);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The window's size includes its frame and title bar; the inside is that much smaller.
    setFixedSize(Vormgeving::binnenmaat(this, 8100, 3600));
    setFont(Vormgeving::arial(8.25));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(230, 230, 190));
    setPalette(pal);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    List1 = new QListWidget(this);
    List1->setGeometry(twips(180, 225, 7620, 2250));
    QPalette listPal = List1->palette();
    listPal.setColor(QPalette::Base, QColor(30, 0, 0));
    listPal.setColor(QPalette::Text, QColor(250, 250, 210));
    List1->setPalette(listPal);
    connect(List1, &QListWidget::itemDoubleClicked, this, &SpreekwoordForm::List1_DblClick);

    List2 = new QListWidget(this);
    List2->hide();

    Label1 = new QLabel(QStringLiteral("Dubbelklik op een item is de betekenis."), this);
    Label1->setFont(Vormgeving::arial(9.75));
    Label1->move(twips(210, 2460, 0, 0).topLeft());
    Label1->adjustSize();

    OkKnop = new VistaButton(this);
    OkKnop->setCaption(QStringLiteral("Exit"));
    OkKnop->setBackColor(Qt::white);
    OkKnop->setFont(Vormgeving::arial(8.25));
    OkKnop->setGeometry(twips(6840, 2580, 990, 360));
    connect(OkKnop, &VistaButton::clicked, this, &SpreekwoordForm::OkKnop_Click);

    LaadSpreekwoorden();
}

void SpreekwoordForm::LaadSpreekwoorden()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Label1->setVisible(true);
    List1->clear();
    List2->clear();

    SpreekwoordenLijst lijst;
    const bool gelezen = lijst.laad(m_context.folders.shippedFile(QStringLiteral("Spreekwoorden.lib")));
    // A failure keeps what was read before it.
    List1->addItems(lijst.spreekwoorden());
    List2->addItems(lijst.betekenisvelden());
    QGuiApplication::restoreOverrideCursor();
    if (!gelezen) {
        m_context.dialogs.message(QStringLiteral("Kan database niet vinden..."), QStringLiteral("Error"),
                                    Dialogs::Icon::Critical);
        return;
    }
    setWindowTitle(s_titel + QStringLiteral(" (") + QString::number(List1->count()) + QStringLiteral(")"));
}

// A double click lands on an item, so one is always current; an empty list has none
// and nothing is shown.
void SpreekwoordForm::List1_DblClick()
{
    const int i = List1->currentRow();
    if (i < 0 || i >= List2->count())
        return;
    m_context.dialogs.message(SpreekwoordenLijst::betekenis(List2->item(i)->text()),
                                QStringLiteral("Betekenis"));
}

void SpreekwoordForm::OkKnop_Click()
{
    accept();
}
