#pragma once

#include "fontfiles/FontDetails.h"

#include <QDialog>

class FontService;
class QLabel;
class QTabWidget;
class Shell;

// What the files of a family or a previewed font file say about themselves,
// one tab per face. Modeless: the frame points it at whatever becomes current.
class TfrmFontDetails : public QDialog {
    Q_OBJECT
public:
    // Sized at scale times the design's pixels, as the main window lays out its pages.
    TfrmFontDetails(FontService& fonts, const UnicodeBlockNames& blockNames, Shell& shell,
                    const QString& userFontsFolder, QWidget* owner, double scale = 1);

    // Nothing is read again while the same family or file stays shown.
    void showFamily(const QString& family);
    void showFile(const QString& path);
    // No family or file is current.
    void showNothing();
    // The fonts have changed: the next show reads its family or file anew.
    void forget() { shown_.clear(); }

private:
    QLabel* lblSubject = nullptr;
    QTabWidget* tabFaces = nullptr;

    void showFaces(const QString& subject, const QList<FaceDetails>& faces,
                   const QString& noFaces);
    QWidget* facePage(const FaceDetails& face);
    void fillTab(int index);

    FontService& fonts_;
    const UnicodeBlockNames& blockNames_;
    Shell& shell_;
    QString userFontsFolder_;
    QString shown_;
    QList<FaceDetails> faces_;
};
