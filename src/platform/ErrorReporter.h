#pragma once

#include <QString>

#include <exception>
#include <utility>

// Where a handler hands an error that ended what it was doing: the user sees
// its message in an "Error" box, and the log keeps it with the call stack.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // where names the handler that the error ended.
    virtual void report(const QString& message, const QString& where) = 0;
};

// Runs a handler and hands whatever it raises to the reporter: exceptions
// must not cross Qt's signal emission or event delivery.
template <typename Handler>
void reportErrors(ErrorReporter& errors, const char* where, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        errors.report(QString::fromLocal8Bit(error.what()), QString::fromLatin1(where));
    } catch (...) {
        errors.report(QStringLiteral("Unknown exception"), QString::fromLatin1(where));
    }
}

// The handler as a slot for connect(), its errors handed to the reporter.
template <typename Handler>
auto reportingErrors(ErrorReporter& errors, const char* where, Handler handler)
{
    return [&errors, where, handler = std::move(handler)] { reportErrors(errors, where, handler); };
}
