#include "about/aboutform.h"

#include "about/aboutinfo.h"
#include "controls/vistabutton.h"
#include "controls/vormgeving.h"
#include "game/clock.h"
#include "game/folders.h"
#include "common/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

AboutForm::AboutForm(const AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    Form_Load();
}

QRect AboutForm::twips(int top, int left, int width, int height) const
{
    return Vormgeving::twips(this, top, left, width, height);
}

void AboutForm::Form_Load()
{
    setWindowTitle(QStringLiteral("About me..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The window's size includes its frame and title bar; the inside is that much smaller.
    setFixedSize(Vormgeving::binnenmaat(this, 6480, 3210));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(220, 220, 190));
    setPalette(pal);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Label2 = new QLabel(this);
    Label2->setGeometry(twips(180, 150, 2430, 2430));
    Label2->setAutoFillBackground(true);
    QPalette white = Label2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label2->setPalette(white);

    // The picture may be missing from a build; the white square stands regardless.
    Image1 = new QLabel(this);
    Image1->setGeometry(twips(270, 240, 2250, 2250));
    Image1->setScaledContents(true);
    const QPixmap picture(QStringLiteral(":/pictures/about.png"));
    if (!picture.isNull())
        Image1->setPixmap(picture);

    Label1 = new QLabel(AboutInfo::tekst(m_context.clock.now(), m_context.folders.programFile()), this);
    Label1->setGeometry(twips(300, 2760, 3900, 1800));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    QFont italic(QStringLiteral("Arial"));
    italic.setPointSizeF(9);
    italic.setItalic(true);
    Label1->setFont(italic);
    QPalette grey = Label1->palette();
    grey.setColor(QPalette::WindowText, QColor(64, 64, 64));
    Label1->setPalette(grey);

    CancelKnop = new VistaButton(this);
    CancelKnop->setCaption(QStringLiteral("Ok"));
    CancelKnop->setFont(QFont(QStringLiteral("Arial")));
    CancelKnop->setGeometry(twips(2250, 5190, 990, 360));
    connect(CancelKnop, &VistaButton::clicked, this, &AboutForm::CancelKnop_Click);
}

void AboutForm::CancelKnop_Click()
{
    accept();
}
