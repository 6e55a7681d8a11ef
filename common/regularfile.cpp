#include "common/regularfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool openRegularFile(QFile &file)
{
    // The program's own resources are never pipes or devices.
    if (file.fileName().startsWith(u':'))
        return file.open(QIODevice::ReadOnly);
    const QByteArray path = QFile::encodeName(file.fileName());
    // Without O_NONBLOCK the open itself waits for a pipe's writer.
    const int handle = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return false;
    struct stat status;
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return false;
    }
    // A regular file ignores the flag; cleared all the same, so it reads as any other.
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return false;
    }
    return true;
}
