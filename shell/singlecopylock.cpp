#include "shell/singlecopylock.h"

#include <QDir>

SingleCopyLock::SingleCopyLock(const QString &playerFolder)
    : m_path(playerFolder + QStringLiteral("/Raadkwartet.lock"))
{
}

bool SingleCopyLock::acquire()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock whose process is gone is taken over at once, however recent it is.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}
