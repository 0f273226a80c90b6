#pragma once

#include "platform/FontService.h"

#include <QString>
#include <QStringList>

class Shell;

// Taking away the faces of a family that the user installed, and only those.
// Every file is placed by its resolved folder, so neither a link nor ".." can
// reach a file outside the user's fonts folder.
class UserFontRemoval {
public:
    // The path to move away when path lies in folder or one of its subfolders
    // once the folders on its way are resolved; empty otherwise. A link inside
    // the folder is the link itself, wherever it points.
    static QString insideFolder(const QString& path, const QString& folder);

    struct Plan {
        QString family;
        QStringList files;   // resolved, each once, in the order of the faces
        int keptFaces = 0;   // installed elsewhere: for all users
        // The confirmation that lists the files and names the kept faces.
        QString question() const;
    };
    // Faces loaded by this program alone belong to neither side.
    static Plan plan(const QString& family, const QList<FontFileFace>& faces,
                     const QString& fontsFolder);

    struct Outcome {
        QStringList moved;
        QStringList failed;
        // Folders whose font caches are stale now.
        QStringList folders() const;
        QString message() const;
    };
    // A file that can't be moved leaves the others to go all the same.
    static Outcome remove(const Plan& plan, Shell& shell);
};
