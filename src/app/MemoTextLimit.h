#pragma once

#include <QObject>
#include <QString>

class QPlainTextEdit;

// Limits what the user can type or paste into a memo, as a maximum length does
// for a line edit. Text that the program sets counts whole, and a memo already
// beyond the limit takes no more input until it is shorter.
class MemoTextLimit : public QObject {
    Q_OBJECT
public:
    MemoTextLimit(QPlainTextEdit* memo, int maxLength);

    // Replaces the memo's text without the limit.
    void setText(const QString& text);

private:
    void contentsChange();

    QPlainTextEdit* memo_;
    int maxLength_;
    QString text_;  // as of the last change
    bool unlimited_ = false;
};
