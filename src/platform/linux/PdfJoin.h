#pragma once

#include <QStringList>

#include <atomic>

class QIODevice;

// Writes the pages of the PDF files, in order, as one document to out: the
// first file's catalogue and document information stay, the other files add
// their pages. One file is read at a time and its objects written out as they
// are read, streams as they were written, so memory stays that of one file's
// structure however many files are joined. False when a file can't be read,
// out can't take the document or stop is raised, which is heard between
// objects; it may be raised from another thread.
bool joinPdfFiles(const QStringList& files, QIODevice& out, const std::atomic<bool>& stop);
