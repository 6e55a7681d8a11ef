#pragma once

#include <QColor>
#include <QString>

// The user's settings, kept in Raadkwartet.ini beside the program.
struct GameSettings {
    qint32 speeltijd = 600;         // seconds of one game
    double borderRed = 30;      // border colour of the main window
    double borderGreen = 30;
    quint8 borderBlue = 40;
    QString printFooter = QStringLiteral("Brovelt Software 2019"); // footer of printed pages
    // The footer's line as the file held it, when its quoted form cannot give it back
    // (a quote inside, text after the closing quote): written back unchanged as long
    // as printFooter still holds what was read from it.
    QByteArray printFooterStored;

    // The border colour, parts clamped to 0..255.
    QColor borderColour() const;
};

// Reads the file into 'settings' (defaults first). On any failure the file is written
// anew from what the record then holds, and false is returned: the caller must then
// not apply the border colour.
bool loadSettings(const QString &path, GameSettings &settings);
// Writes the five lines of the file; when it cannot be written, the reason in Dutch, and an
// existing file is left as it was. A footer the file cannot hold is not written: the
// file is then left as it was too, and the refusal is the reason.
QString saveSettings(const QString &path, const GameSettings &settings);
// Why the settings file cannot hold 'footer', in Dutch, naming the field as
// 'fieldName'; empty when it can.
QString printFooterRefusal(const QString &footer, const QString &fieldName);
