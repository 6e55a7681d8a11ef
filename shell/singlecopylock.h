#pragma once

#include <QString>

// Keeps a second copy of the game from running on the same player's files: two copies
// would each write their whole score list and settings and drop the other's. The lock
// is the system's own lock on the player folder, which ends with its process however
// that ends, so a copy that crashed or was killed never blocks the next; the file
// Raadkwartet.lock in the folder names the holder's process.
class SingleCopyLock
{
public:
    explicit SingleCopyLock(const QString &playerFolder);
    ~SingleCopyLock();

    // True when this copy may run: it holds the lock, or the folder cannot be opened at
    // all (the start then says why it cannot go on).
    bool acquire();

    static QString alreadyRunningText() { return QStringLiteral("Raadkwartet is al gestart."); }

private:
    QString m_folder;
    QString m_lockFile;
    int m_folderHandle = -1;
    bool m_fileWritten = false;
};
