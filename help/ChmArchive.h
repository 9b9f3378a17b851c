#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct chmFile;

namespace help {

// A compiled HTML help file (.chm) read through chmlib: its stored files by path, and what the
// file says about itself in its #SYSTEM object (title, contents, index, first page). Nothing in
// the file is trusted: a damaged one gives fewer or no objects, never a crash.
class ChmArchive {
public:
    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // False when chmlib cannot read the file as a help file at all.
    bool open(const QString& path);
    bool isOpen() const { return m_file != nullptr; }

    // The stored files ("/index.html"), without the compiler's own objects.
    QStringList files() const;
    // The whole object at path ("/index.html" or "index.html", any case); nothing when it is
    // missing or cannot be read whole.
    std::optional<QByteArray> read(const QString& path) const;

    // From #SYSTEM; the contents and the index fall back to the first *.hhc / *.hhk stored.
    // Empty when the file names none.
    QString title() const { return m_title; }
    QString contentsFile() const { return m_contents; }
    QString indexFile() const { return m_index; }
    QString homePage() const { return m_home; }

    // The file's texts (title, contents, index, pages) are in its language's code page.
    QString decode(const QByteArray& bytes) const;

private:
    void close();
    void readSystem();
    QString firstFileEndingWith(const QString& suffix) const;

    chmFile* m_file = nullptr;
    quint32 m_language = 0;  // the Windows LCID, 0 when not given
    QString m_title;
    QString m_contents;
    QString m_index;
    QString m_home;
};

}  // namespace help
