#include "app/MemoTextLimit.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

// No parent: the owner holds the limit by value, and a parent would delete it too.
MemoTextLimit::MemoTextLimit(QPlainTextEdit* memo, int maxLength)
    : memo_(memo), maxLength_(maxLength), text_(memo->toPlainText())
{
    connect(memo->document(), &QTextDocument::contentsChange, this, &MemoTextLimit::contentsChange);
}

void MemoTextLimit::setText(const QString& text)
{
    const QScopedValueRollback<bool> rollback(unlimited_, true);
    memo_->setPlainText(text);
}

// The document reports changed ranges widened to whole blocks, so the
// inserted text is found by comparing with the text before the change.
void MemoTextLimit::contentsChange()
{
    QTextDocument* document = memo_->document();
    QString now = document->toPlainText();
    const qsizetype allowed = std::max<qsizetype>(maxLength_, text_.size());
    if (!unlimited_ && now.size() > allowed) {
        const qsizetype common = std::min(now.size(), text_.size());
        qsizetype prefix = 0;
        while (prefix < common && now[prefix] == text_[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < common - prefix && now[now.size() - 1 - suffix] == text_[text_.size() - 1 - suffix])
            ++suffix;
        const qsizetype insertEnd = now.size() - suffix;
        qsizetype cut = insertEnd - (now.size() - allowed);
        if (cut > prefix && now[cut - 1].isHighSurrogate())
            --cut;  // keep a character outside the BMP whole

        const QScopedValueRollback<bool> rollback(unlimited_, true);
        QTextCursor cursor(document);
        // One undo step with the insertion: undoing a paste must not bring the excess back.
        cursor.joinPreviousEditBlock();
        cursor.setPosition(int(cut));
        cursor.setPosition(int(insertEnd), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        cursor.endEditBlock();
        now = document->toPlainText();
    }
    text_ = now;
}
