#pragma once

#include <QStringList>

class QIODevice;

// Writes the pages of the PDF files, in order, as one document to out: the
// first file's catalogue and document information stay, the other files add
// their pages. One file is read at a time and streams are copied as written,
// so peak memory is that of the documents' structure, not of their contents;
// the files must stay until the join returns. False when a file can't be read
// or out can't take the document.
bool joinPdfFiles(const QStringList& files, QIODevice& out);
