#include "app/GlyApplication.h"

#include "platform/ErrorReporter.h"
#include "platform/FontService.h"

#include <exception>

GlyApplication::GlyApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The application's title names it to the desktop. It is no display name:
    // Qt would append one to every caption ("Printing — Glyphary").
    setApplicationName(QStringLiteral("Glyphary"));
}

void GlyApplication::setErrorReport(ErrorReporter& errors)
{
    errors_ = &errors;
}

bool GlyApplication::notify(QObject* receiver, QEvent* event)
{
    // The event is only named, never read, after the exception: Qt may have
    // left it half delivered.
    const QEvent::Type type = event->type();
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        report(QString::fromLocal8Bit(error.what()),
               QStringLiteral("delivery to %1 \"%2\", event %3")
                   .arg(QString::fromLatin1(receiver->metaObject()->className()),
                        receiver->objectName())
                   .arg(int(type)));
    } catch (...) {
        report(QStringLiteral("Unknown exception"), QString());
    }
    return false;
}

void GlyApplication::report(const QString& message, const QString& where)
{
    if (errors_)
        errors_->report(message, where);
    else
        qCritical("%s", qPrintable(message));
}

void GlyApplication::useInstalledInterfaceFamily(FontService& fonts)
{
    QFont interfaceFont = font();
    interfaceFont.setFamily(fonts.makeFont({interfaceFont.family()}).family());
    setFont(interfaceFont);
}
