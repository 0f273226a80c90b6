#include "platform/linux/WholeFile.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The name that a new file would get: mkstemp makes its files private.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// rename() that fails with EEXIST instead of replacing, even a dangling link.
int renameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // File systems without it still refuse to link over an existing name.
    if (::link(from.constData(), to.constData()) != 0)
        return -1;
    ::unlink(from.constData());
    return 0;
}

}  // namespace

WholeFile::~WholeFile()
{
    discard();
}

bool WholeFile::open(const QString& folder)
{
    discard();
    QByteArray name = QFile::encodeName(folder + QStringLiteral("/.glyphary-XXXXXX"));
    fd_ = ::mkstemp(name.data());
    if (fd_ < 0)
        return false;
    tempPath_ = QFile::decodeName(name);
    ::fchmod(fd_, newFileMode());
    if (!file_.open(fd_, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        discard();
        return false;
    }
    return true;
}

bool WholeFile::finish()
{
    if (fd_ < 0)
        return finished_;
    // Read before the close, which forgets an earlier failure once its own
    // flush succeeds.
    bool written = good() && file_.flush();
    file_.close();
    written = written && ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    finished_ = written && closed;
    return finished_;
}

bool WholeFile::commitReplacing(const QString& target)
{
    const bool done = finish()
        && ::rename(QFile::encodeName(tempPath_).constData(), QFile::encodeName(target).constData())
            == 0;
    if (done)
        tempPath_.clear();
    discard();
    return done;
}

QString WholeFile::commitNumbered(const QString& target)
{
    QString taken;
    if (finish()) {
        const QFileInfo info(target);
        const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
        const QByteArray from = QFile::encodeName(tempPath_);
        for (int copy = 1; taken.isEmpty(); ++copy) {
            const QString candidate = copy == 1
                ? target
                : info.dir().filePath(QStringLiteral("%1 (%2)%3")
                                          .arg(info.completeBaseName())
                                          .arg(copy)
                                          .arg(suffix));
            if (renameNoReplace(from, QFile::encodeName(candidate)) == 0)
                taken = candidate;
            else if (errno != EEXIST)
                break;
        }
    }
    if (!taken.isEmpty())
        tempPath_.clear();
    discard();
    return taken;
}

void WholeFile::discard()
{
    if (file_.isOpen())
        file_.close();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.isEmpty()) {
        ::unlink(QFile::encodeName(tempPath_).constData());
        tempPath_.clear();
    }
    finished_ = false;
    file_.unsetError();
}
