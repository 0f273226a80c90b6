#pragma once

#include <QFile>
#include <QString>

// A file that reaches its name whole or not at all: written under a hidden
// temporary name in the target's folder, flushed to the disk and renamed into
// place at the end. Whatever goes wrong on the way, the target is untouched
// and the temporary file removed.
class WholeFile {
public:
    WholeFile() = default;
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Creates the temporary file in folder, which must exist.
    bool open(const QString& folder);
    QIODevice& device() { return file_; }
    // False once any write has failed.
    bool good() const { return file_.error() == QFileDevice::NoError; }
    // Where the writing goes until it is committed, for reading it back;
    // whether what was written has all reached it.
    QString temporaryPath() const { return tempPath_; }
    bool flush() { return good() && file_.flush(); }
    // Ends the writing and brings it to the disk, leaving a commit no more
    // than the rename; false when any of it was lost.
    bool finish();

    // Ends the writing and renames the file onto target, replacing what has
    // that name (a link is replaced, never followed). Returns whether the
    // file reached its name.
    bool commitReplacing(const QString& target);
    // Ends the writing and takes the first free name of target,
    // "name (2).ext", "name (3).ext", ... by a rename that never replaces
    // anything, so two writers never take one name. Returns the name taken,
    // or an empty string.
    QString commitNumbered(const QString& target);
    // Drops what was written.
    void discard();

private:
    QFile file_;
    QString tempPath_;
    int fd_ = -1;
    bool finished_ = false;  // on the disk whole, awaiting its name
};
