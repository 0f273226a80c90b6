#pragma once

#include "platform/ErrorReporter.h"

#include <QString>

class MessageBoxes;

// The program's error reporter: the message goes into an error box, and the
// time, the message and the call stack are appended to a log file.
class ErrorLog : public ErrorReporter {
public:
    ErrorLog(MessageBoxes& messages, QString logPath);

    void report(const QString& message, const QString& where) override;

private:
    MessageBoxes& messages_;
    QString logPath_;
};
