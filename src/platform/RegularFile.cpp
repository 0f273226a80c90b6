#include "platform/RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int openRegularFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool openRegularFile(const QString& path, QFile& file)
{
    const int fd = openRegularFile(QFile::encodeName(path));
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool isRegularFile(const QByteArray& path)
{
    const int fd = openRegularFile(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}
