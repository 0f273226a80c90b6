#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QStringList>

#include <functional>

// Records every box instead of showing it.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Box {
        QString kind;  // "error", "warning", "information", "dialogError" or "confirm"
        QString text;
        bool operator==(const Box&) const = default;
    };

    void error(QWidget*, const QString& text) override { record(QStringLiteral("error"), text); }
    void warning(QWidget*, const QString& text) override { record(QStringLiteral("warning"), text); }
    void information(QWidget*, const QString& text) override
    {
        record(QStringLiteral("information"), text);
    }
    void dialogError(QWidget*, const QString& text) override
    {
        record(QStringLiteral("dialogError"), text);
    }
    // Answers from confirmAnswers in turn; No once they run out.
    bool confirm(QWidget*, const QString& text) override
    {
        record(QStringLiteral("confirm"), text);
        return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
    }

    QList<Box> boxes;
    QList<bool> confirmAnswers;
    // Called with each box as it is recorded, where the real one would show.
    std::function<void(const Box&)> onBox;

private:
    void record(const QString& kind, const QString& text)
    {
        boxes.append({kind, text});
        if (onBox)
            onBox(boxes.last());
    }
};
