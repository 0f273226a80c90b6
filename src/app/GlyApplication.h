#pragma once

#include <QApplication>
#include <QString>

class ErrorReporter;
class FontService;

// The application object, named "Glyphary". Handlers hand their errors to
// the error reporter themselves; an exception that escapes one all the same
// is caught here, as a last net, and reported instead of ending the program.
class GlyApplication : public QApplication {
    Q_OBJECT
public:
    GlyApplication(int& argc, char** argv);

    // Until this is called, errors go to the standard error stream only.
    void setErrorReport(ErrorReporter& errors);

    bool notify(QObject* receiver, QEvent* event) override;

    // The interface font under a family that exists: a generic name such as
    // "Sans Serif" sends Qt through every installed family at first use.
    static void useInstalledInterfaceFamily(FontService& fonts);

private:
    void report(const QString& message, const QString& where);

    ErrorReporter* errors_ = nullptr;
};
