#pragma once
#include <QTextBrowser>

namespace help {
class ChmArchive;
}

// The page view of the help window: pages, stylesheets and pictures come from the help file, under
// URLs of the form chm:///page.html, so relative links resolve against the page showing them as in
// any browser. Links out of the file (http:, mailto:) go to the desktop.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The file to read from; null shows nothing. Not owned; it must outlive its use here.
    void setArchive(const help::ChmArchive* archive);

    // The URL of a page given as the contents and the index name it ("commands.html#send").
    static QUrl pageUrl(const QString& page);
    static bool isInArchive(const QUrl& url);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    const help::ChmArchive* m_archive = nullptr;
};
