#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace help {

// One topic of a help file's contents (.hhc) or keyword of its index (.hhk).
struct SitemapEntry {
    QString name;
    QStringList pages;  // where it leads, relative to the archive's root ("commands.html#send")
    int depth = 0;      // how deep in the nested lists, 0 at the top
};

// The entries of a sitemap file in their order: the <OBJECT type="text/sitemap"> elements with
// their Name and Local params. Read tolerantly, as the help compilers and hand edits write them:
// any case, quoted or bare values, missing closing tags; anything else in the file is skipped.
QList<SitemapEntry> ParseSitemap(const QString& text);

}  // namespace help
