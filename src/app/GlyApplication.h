#pragma once

#include <QApplication>
#include <QString>

class FontService;
class MessageBoxes;

// The application object, named "Glyphary". An exception that escapes an
// event handler is reported instead of ending the program: its message goes
// into an error box, and the time, the message and the call stack are
// appended to a log file.
class GlyApplication : public QApplication {
    Q_OBJECT
public:
    GlyApplication(int& argc, char** argv);

    // Until this is called, errors go to the standard error stream only.
    void setErrorReport(MessageBoxes& messages, const QString& logPath);

    bool notify(QObject* receiver, QEvent* event) override;

    // The interface font under a family that exists: a generic name such as
    // "Sans Serif" sends Qt through every installed family at first use.
    static void useInstalledInterfaceFamily(FontService& fonts);

private:
    void reportError(const QString& message, const QString& where);

    MessageBoxes* messages_ = nullptr;
    QString logPath_;
};
