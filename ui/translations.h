#pragma once

class QCoreApplication;

// Qt's own texts in Dutch, as every text of the program is: the standard buttons of a
// message box ("Ja", "Nee", "Annuleren") and of Qt's dialogs.
namespace Translations {

// Loads Qt's Dutch translation (qtbase_nl.qm, from Debian's qt6-translations-l10n) from
// Qt's translations folder into 'app'. False when it is not there: the texts stay English.
bool installDutch(QCoreApplication &app);

} // namespace Translations
