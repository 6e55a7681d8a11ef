#pragma once

#include <QString>

// Where the program's files lie. A folder install (or the build tree) keeps everything
// beside the program: Raadkwartet.ini and a Data folder that the game writes to. A
// system install ships its Data read-only and keeps each player's own files (settings,
// scores, puzzle database) in that player's data folder.
class Folders
{
public:
    // Everything in 'folder': the build tree, a folder install, a test's temporary folder.
    static Folders beside(const QString &folder, const QString &programFile);
    // Decides for the running program. Beside it when its folder holds a writable Data
    // folder (or no shipped Data can be found elsewhere); otherwise the shipped files come
    // from <folder>/Data or <folder>/../share/raadkwartet/Data and the player's files
    // from 'playerFolder'. A relative 'playerFolder' (from a relative XDG_DATA_HOME, which
    // the XDG rules say to ignore) stands for the same folder in ~/.local/share: taken from
    // the folder the program was started in, the player's files would move with it.
    static Folders forProgram(const QString &programFile, const QString &playerFolder);

    QString programFile() const { return m_programFile; }
    // The folder that holds the player's settings file and Data folder.
    QString playerFolder() const { return m_playerFolder; }
    // A file the program only reads: the word list, the proverbs, the background.
    QString shippedFile(const QString &name) const;
    // A file in the player's Data folder: the puzzle database, the score list.
    QString dataFile(const QString &name) const;
    QString settingsFile() const;
    bool separatePlayerFolder() const { return m_shippedData != m_playerFolder + QStringLiteral("/Data"); }

    // For a separate player folder: makes its Data folder and, at the first start, copies
    // the shipped puzzle database into it, with a score list and settings file found in
    // the read-only folder. When the folder cannot be made, why, in Dutch
    // (a file in its place); empty otherwise.
    // A shipped puzzle list that changed (a newer version installed) then replaces the
    // player's copy, where the player never changed it; a list the player changed is kept.
    QString preparePlayerFolder() const;

private:
    void followShippedPuzzles() const;
    QString shippedMarkFile() const;
    Folders(const QString &programFile, const QString &shippedData, const QString &playerFolder);

    QString m_programFile;
    QString m_shippedData;
    QString m_playerFolder;
};
