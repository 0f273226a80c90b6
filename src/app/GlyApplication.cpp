#include "app/GlyApplication.h"

#include "platform/FontService.h"

#include "platform/MessageBoxes.h"

#include <QDateTime>
#include <QFile>
#include <QTextStream>

#include <cxxabi.h>
#include <execinfo.h>

#include <cstdlib>
#include <exception>
#include <memory>

namespace {

// "module(mangled+0x1f) [0x...]" with the symbol demangled where possible.
QString demangledFrame(const char* frame)
{
    QString text = QString::fromLocal8Bit(frame);
    const qsizetype open = text.indexOf(u'(');
    const qsizetype plus = text.indexOf(u'+', open);
    if (open < 0 || plus <= open + 1)
        return text;
    const QByteArray mangled = text.mid(open + 1, plus - open - 1).toLocal8Bit();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(mangled.constData(), nullptr, nullptr, &status), &std::free);
    if (status != 0 || !name)
        return text;
    return text.left(open + 1) + QString::fromLocal8Bit(name.get()) + text.mid(plus);
}

QStringList callStack()
{
    constexpr int MaxFrames = 64;
    void* addresses[MaxFrames];
    const int count = backtrace(addresses, MaxFrames);
    const std::unique_ptr<char*, decltype(&std::free)> symbols(
        backtrace_symbols(addresses, count), &std::free);
    QStringList frames;
    // Frame 0 is this function and frame 1 the report itself.
    for (int i = 2; i < count && symbols; ++i)
        frames.append(demangledFrame(symbols.get()[i]));
    return frames;
}

}  // namespace

GlyApplication::GlyApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The application's title names it to the desktop. It is no display name:
    // Qt would append one to every caption ("Printing — Glyphary").
    setApplicationName(QStringLiteral("Glyphary"));
}

void GlyApplication::setErrorReport(MessageBoxes& messages, const QString& logPath)
{
    messages_ = &messages;
    logPath_ = logPath;
}

bool GlyApplication::notify(QObject* receiver, QEvent* event)
{
    // The event is only named, never read, after the exception: Qt may have
    // left it half delivered.
    const QEvent::Type type = event->type();
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportError(QString::fromLocal8Bit(error.what()),
                    QStringLiteral("%1 \"%2\", event %3")
                        .arg(QString::fromLatin1(receiver->metaObject()->className()),
                             receiver->objectName())
                        .arg(int(type)));
    } catch (...) {
        reportError(QStringLiteral("Unknown exception"), QString());
    }
    return false;
}

void GlyApplication::reportError(const QString& message, const QString& where)
{
    // The stack is taken where the exception was caught: the frames below
    // notify show which delivery the failing handler ran in.
    const QStringList stack = callStack();
    QString entry;
    QTextStream out(&entry);
    out << QDateTime::currentDateTime().toString(Qt::ISODate) << "  " << message << '\n';
    if (!where.isEmpty())
        out << "  while delivering to " << where << '\n';
    for (qsizetype i = 0; i < stack.size(); ++i)
        out << "  #" << i << ' ' << stack[i] << '\n';
    out << '\n';
    out.flush();

    QFile log(logPath_);
    if (logPath_.isEmpty() || !log.open(QIODevice::Append | QIODevice::Text))
        qCritical("%s", qPrintable(entry));
    else
        log.write(entry.toUtf8());
    log.close();

    if (messages_)
        messages_->error(activeWindow(), message);
}

void GlyApplication::useInstalledInterfaceFamily(FontService& fonts)
{
    QFont interfaceFont = font();
    interfaceFont.setFamily(fonts.makeFont(interfaceFont.family(), false, false).family());
    setFont(interfaceFont);
}
