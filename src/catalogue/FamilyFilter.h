#pragma once

#include "catalogue/FontQuery.h"
#include "platform/FontService.h"

#include <QBitArray>
#include <QSet>
#include <QStringList>

#include <memory>
#include <optional>

// The find box's answer over the family list: which families a query lets
// through, by their place in the list. What a query needs of the families is
// worked out on its first use and kept until the list changes, so that a
// keystroke costs a pass over kept data.
class FamilyFilter {
public:
    struct Result {
        QBitArray listed;            // one bit a family, in list order
        qsizetype count = 0;         // of set bits
        QStringList notUnderstood;   // terms as typed; any of them lists nothing
    };

    explicit FamilyFilter(FontService& fonts);

    void setFamilies(const QStringList& families);
    void setSwitchedOff(const QSet<QString>& families) { switchedOff_ = families; }
    const QStringList& families() const { return families_; }

    Result match(const FontQuery& query);

private:
    const QStringList& foldedNames();
    const FamilySearch& search();
    bool isKnownLanguage(const QString& tag);

    FontService& fonts_;
    QStringList families_;
    QSet<QString> switchedOff_;
    QStringList folded_;
    std::unique_ptr<FamilySearch> search_;
    std::optional<QStringList> languages_;
};
