#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct chmFile;

namespace platform {

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
    bool Open(const QString& path);
    bool IsOpen() const { return m_file != nullptr; }

    // The stored files ("/index.html"), without the compiler's own objects.
    QStringList Files() const;
    // The whole object at path ("/index.html" or "index.html", any case); nothing when it is
    // missing or cannot be read whole.
    std::optional<QByteArray> Read(const QString& path) const;

    // From #SYSTEM; the contents and the index fall back to the first *.hhc / *.hhk stored.
    // Empty when the file names none.
    QString Title() const { return m_title; }
    QString ContentsFile() const { return m_contents; }
    QString IndexFile() const { return m_index; }
    QString HomePage() const { return m_home; }

    // The file's texts (title, contents, index, pages) are in its language's code page.
    QString Decode(const QByteArray& bytes) const;

private:
    void Close();
    void ReadSystem();
    QString FirstFileEndingWith(const QString& suffix) const;

    chmFile* m_file = nullptr;
    quint32 m_language = 0;  // the Windows LCID, 0 when not given
    QString m_title;
    QString m_contents;
    QString m_index;
    QString m_home;
};

}  // namespace platform
