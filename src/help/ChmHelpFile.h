#pragma once

#include "platform/ChmLibrary.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// One line of a contents tree or an index: its text, the page it opens
// (a path inside the file, "/page.htm#anchor"; empty for a heading) and its
// nesting level, 0 at the top.
struct SitemapEntry {
    QString name;
    QString local;
    int level = 0;
};

// A compiled help file as the viewer needs it: its pages, its contents tree
// and index, its context map and its popup topics.
class ChmHelpFile {
public:
    explicit ChmHelpFile(std::unique_ptr<ChmArchive> archive);

    std::optional<QByteArray> read(const QString& path) const { return archive_->read(path); }

    QString title() const { return title_; }
    // The page the file opens at; empty when the file names none it holds.
    QString defaultTopic() const { return defaultTopic_; }
    QList<SitemapEntry> contents() const;
    QList<SitemapEntry> index() const;
    // The page of a context number; empty when the map has no such number.
    QString contextTopic(quint32 context) const;
    // The text of a topic of a popup topic file; empty when there is none.
    QString popupText(const QString& topicFile, quint32 context) const;

private:
    static QList<SitemapEntry> parseSitemap(const QString& html);
    static QString parsePopupTopic(const QString& text, quint32 context);
    QList<SitemapEntry> sitemap(const QString& file) const;
    QString normalised(const QString& path) const;
    void readSystem();
    void readContextMap();

    std::unique_ptr<ChmArchive> archive_;
    QStringList paths_;
    // Each path by its case-folded form, the first of those that fold alike.
    QHash<QString, QString> pathIndex_;
    QString title_;
    QString defaultTopic_;
    QString contentsFile_;
    QString indexFile_;
    QHash<quint32, QString> contextMap_;
    // Read on first asking: the contents serve the default topic and the window.
    mutable std::optional<QList<SitemapEntry>> contents_;
};
