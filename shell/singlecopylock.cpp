#include "shell/singlecopylock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/file.h>

SingleCopyLock::SingleCopyLock(const QString &playerFolder)
    : m_file(playerFolder + QStringLiteral("/Raadkwartet.lock"))
{
}

SingleCopyLock::~SingleCopyLock()
{
    // The file goes while this copy still holds it, so no other copy ever locks a file
    // that is no longer there.
    if (m_held)
        QFile::remove(m_file.fileName());
}

bool SingleCopyLock::acquire()
{
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    // Opened without emptying it: a copy that is refused leaves the file as it was.
    if (!m_file.open(QIODevice::ReadWrite))
        return true;
    // Nothing here waits for the disk: the lock lives in the system, not in the file's
    // bytes, which only name the holder for whoever looks.
    if (::flock(m_file.handle(), LOCK_EX | LOCK_NB) != 0) {
        const bool heldByAnother = errno == EWOULDBLOCK;
        m_file.close();
        return !heldByAnother;
    }
    m_held = true;
    m_file.resize(0);
    m_file.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n');
    m_file.flush();
    return true;
}
