#include "shell/main.h"

#include "about/aboutform.h"
#include "editor/editform.h"
#include "game/dialogs.h"
#include "game/platform.h"
#include "shell/configform.h"
#include "shell/scoreform.h"
#include "tools/spreekwoordform.h"
#include "tools/woordenform.h"

// The side windows opened from the main menu, each modal and made anew at every
// opening; the main window's timers run on meanwhile.

void Main::toonScoreForm()
{
    Platform::dialogs().showModal(new ScoreForm(m_controller.scorelijst(), this));
}

void Main::toonEditForm()
{
    // The editor works on its own copy of the database; the game keeps the list it loaded.
    Platform::dialogs().showModal(new EditForm(m_controller.settings(), this));
}

void Main::toonAboutForm()
{
    Platform::dialogs().showModal(new AboutForm(this));
}

void Main::toonConfigForm()
{
    Platform::dialogs().showModal(
        new ConfigForm(m_controller.settings(), [this](const QColor &colour) { setBorderColour(colour); }, this));
}

void Main::toonWoordenForm()
{
    Platform::dialogs().showModal(new WoordenForm(this));
}

void Main::toonSpreekwoordForm()
{
    Platform::dialogs().showModal(new SpreekwoordForm(this));
}
