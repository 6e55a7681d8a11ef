#include "shell/singlecopylock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

SingleCopyLock::SingleCopyLock(const QString &playerFolder)
    : m_folder(playerFolder)
    , m_lockFile(playerFolder + QStringLiteral("/Raadkwartet.lock"))
{
}

SingleCopyLock::~SingleCopyLock()
{
    // The file goes while this copy still holds the lock, so the next copy never reads a
    // holder that has gone.
    if (m_fileWritten)
        QFile::remove(m_lockFile);
    if (m_folderHandle >= 0)
        ::close(m_folderHandle);
}

bool SingleCopyLock::acquire()
{
    QDir().mkpath(m_folder);
    // The lock is on the folder itself, which every copy can open whatever lies in it: a
    // lock file that cannot be opened (a folder in its place, another user's file) would
    // otherwise let two copies run. A folder that cannot be opened can hold none of the
    // player's files either (the start says so), so it is no reason to refuse the game.
    m_folderHandle = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folderHandle < 0)
        return true;
    // Nothing here waits for the disk: the lock lives in the system, not in any file's bytes.
    if (::flock(m_folderHandle, LOCK_EX | LOCK_NB) != 0) {
        const bool heldByAnother = errno == EWOULDBLOCK;
        ::close(m_folderHandle);
        m_folderHandle = -1;
        return !heldByAnother;
    }
    // The file only names the holder for whoever looks. It is written only where it is a
    // file of its own: a link in its place could point at the puzzles or any other file.
    const int handle = ::open(QFile::encodeName(m_lockFile).constData(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (handle >= 0) {
        struct stat status {};
        if (::fstat(handle, &status) == 0 && S_ISREG(status.st_mode) && ::ftruncate(handle, 0) == 0) {
            const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
            m_fileWritten = ::write(handle, holder.constData(), size_t(holder.size())) == holder.size();
        }
        ::close(handle);
    }
    return true;
}
