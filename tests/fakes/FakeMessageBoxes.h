#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QStringList>

// Records every box instead of showing it.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Box {
        QString kind;  // "error", "warning", "information", "dialogError" or "confirm"
        QString text;
        bool operator==(const Box&) const = default;
    };

    void error(QWidget*, const QString& text) override { boxes.append({QStringLiteral("error"), text}); }
    void warning(QWidget*, const QString& text) override
    {
        boxes.append({QStringLiteral("warning"), text});
    }
    void information(QWidget*, const QString& text) override
    {
        boxes.append({QStringLiteral("information"), text});
    }
    void dialogError(QWidget*, const QString& text) override
    {
        boxes.append({QStringLiteral("dialogError"), text});
    }
    // Answers from confirmAnswers in turn; No once they run out.
    bool confirm(QWidget*, const QString& text) override
    {
        boxes.append({QStringLiteral("confirm"), text});
        return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
    }

    QList<Box> boxes;
    QList<bool> confirmAnswers;
};
