#include "shell/main.h"

#include "game/dialogs.h"
#include "game/platform.h"
#include "shell/scoreform.h"

// The side windows opened from the main menu, each modal; the main window's timers run on.

void Main::toonScoreForm()
{
    Platform::dialogs().showModal(new ScoreForm(m_controller.scorelijst(), this));
}
void Main::toonEditForm() {}
void Main::toonAboutForm() {}
void Main::toonConfigForm() {}
void Main::toonWoordenForm() {}
void Main::toonSpreekwoordForm() {}
