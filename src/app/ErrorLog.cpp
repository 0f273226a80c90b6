#include "app/ErrorLog.h"

#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cxxabi.h>
#include <execinfo.h>

#include <cstdlib>
#include <memory>
#include <utility>

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

ErrorLog::ErrorLog(MessageBoxes& messages, QString logPath)
    : messages_(messages)
    , logPath_(std::move(logPath))
{
}

void ErrorLog::report(const QString& message, const QString& where)
{
    // The stack is taken where the exception was caught: the frames below
    // show which handler or delivery it ended.
    const QStringList stack = callStack();
    QString entry;
    QTextStream out(&entry);
    out << QDateTime::currentDateTime().toString(Qt::ISODate) << "  " << message << '\n';
    if (!where.isEmpty())
        out << "  in " << where << '\n';
    for (qsizetype i = 0; i < stack.size(); ++i)
        out << "  #" << i << ' ' << stack[i] << '\n';
    out << '\n';
    out.flush();

    QFile log(logPath_);
    // A fresh account has no state folder yet.
    if (logPath_.isEmpty() || !QDir().mkpath(QFileInfo(logPath_).absolutePath())
        || !log.open(QIODevice::Append | QIODevice::Text))
        qCritical("%s", qPrintable(entry));
    else
        log.write(entry.toUtf8());
    log.close();

    messages_.error(QApplication::activeWindow(), message);
}
