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

    // The border colour, parts clamped to 0..255.
    QColor borderColour() const;
};

// Reads the file into 'settings' (defaults first). On any failure the file is written
// anew from what the record then holds, and false is returned: the caller must then
// not apply the border colour.
bool loadSettings(const QString &path, GameSettings &settings);
// Writes the five lines of the file; false when it cannot be written, in which case an
// existing file is left as it was.
bool saveSettings(const QString &path, const GameSettings &settings);
