#pragma once

#include <QFile>
#include <QString>

// Keeps a second copy of the game from running on the same player's files: two copies
// would each write their whole score list and settings and drop the other's. The lock
// is the system's own lock on the file, which ends with its process however that ends,
// so a copy that crashed or was killed never blocks the next.
class SingleCopyLock
{
public:
    explicit SingleCopyLock(const QString &playerFolder);
    ~SingleCopyLock();

    // True when this copy may run: it holds the lock, or the folder cannot hold a lock
    // file at all (a read-only folder is no reason to refuse the game).
    bool acquire();

    static QString alreadyRunningText() { return QStringLiteral("Raadkwartet is al gestart."); }

private:
    QFile m_file;
    bool m_held = false;
};
