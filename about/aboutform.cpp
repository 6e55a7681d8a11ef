#include "about/aboutform.h"

#include "about/aboutinfo.h"
#include "common/twips.h"
#include "controls/accessiblecontainer.h"
#include "controls/vistabutton.h"
#include "controls/look.h"
#include "game/clock.h"
#include "game/folders.h"
#include "ui/pictureview.h"

#include <QLabel>

AboutForm::AboutForm(const AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
{
    createControls();
}

void AboutForm::createControls()
{
    Look::setUpFixedWindow(this, QStringLiteral("About me..."), 6480, 3210);
    setAutoFillBackground(true);
    Look::setColour(this, QPalette::Window, QColor(220, 220, 190));
    const double dpi = logicalDpiY();

    m_pictureBorder = new QLabel(this);
    m_pictureBorder->setGeometry(Twips::rect(150, 180, 2430, 2430, dpi));
    m_pictureBorder->setAutoFillBackground(true);
    Look::setColour(m_pictureBorder, QPalette::Window, Qt::white);

    // The picture may be missing from a build; the white square stands regardless. It is
    // a drawing, drawn at the screen's pixels at whatever size the window is shown.
    m_picture = new PictureView(this);
    m_picture->load(QStringLiteral(":/pictures/about.pic"));
    m_picture->setGeometry(Twips::rect(240, 270, 2250, 2250, dpi));

    m_creditLabel = new QLabel(AboutInfo::tekst(m_context.clock.now(), m_context.folders.programFile()), this);
    m_creditLabel->setGeometry(Twips::rect(2760, 300, 3900, 1800, dpi));
    m_creditLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_creditLabel->setWordWrap(true);
    m_creditLabel->setFont(Look::arial(9, false, true));
    Look::setColour(m_creditLabel, QPalette::WindowText, QColor(64, 64, 64));

    m_okButton = new VistaButton(this);
    m_okButton->setCaption(QStringLiteral("Ok"));
    m_okButton->setFont(QFont(QStringLiteral("Arial")));
    m_okButton->setGeometry(Twips::rect(5190, 2250, 990, 360, dpi));
    connect(m_okButton, &VistaButton::clicked, this, &QDialog::accept);

    AccessibleContainer::markDecorative(m_pictureBorder);
    AccessibleContainer::markDecorative(m_picture);
}
