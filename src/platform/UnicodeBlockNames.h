#pragma once

#include <QHash>
#include <QString>

#include <utility>

// Unicode's own names of its blocks ("Latin-1 Supplement"), each known by
// the range it covers, so that a name never lands on a block of another
// Unicode version's shape.
class UnicodeBlockNames {
public:
    void add(char32_t first, char32_t last, const QString& name) { names_.insert(first, {last, name}); }
    // Empty when no block runs from first to last.
    QString name(char32_t first, char32_t last) const
    {
        const auto it = names_.constFind(first);
        return it != names_.cend() && it->first == last ? it->second : QString();
    }

private:
    QHash<char32_t, std::pair<char32_t, QString>> names_;
};
