#pragma once

#include <QByteArray>

class QFile;
class QString;

// Opens a file for reading only when it is a regular file, or a link to one,
// at the moment it is opened: a FIFO or device put in place of a listed file
// would block the open, or the reading, for good. The open never blocks.
// A file descriptor, or -1.
int openRegularFile(const QByteArray& path);
// The same into file, unbuffered; false when it is not opened.
bool openRegularFile(const QString& path, QFile& file);
// Whether it is one now, for a library that opens the file by its name
// straight after.
bool isRegularFile(const QByteArray& path);
