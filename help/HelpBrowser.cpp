#include "help/HelpBrowser.h"

#include <QDesktopServices>
#include <QImage>
#include <QRegularExpression>

#include "help/ChmArchive.h"
#include "ui/Messages.h"

namespace {
const QString kScheme = QStringLiteral("chm");

QString MissingPage(const QString& path) {
    return QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1><p>%2</p></body></html>")
        .arg(msg::HelpPageMissingTitle().toHtmlEscaped(), msg::HelpPageMissing(path).toHtmlEscaped());
}
// Qt reads only stylesheets linked with type="text/css", which HTML5 pages leave out.
QString WithTypedStyleSheets(QString html) {
    static const QRegularExpression untyped(
        QStringLiteral(R"re(<link\b(?![^>]*\btype\s*=)(?=[^>]*\brel\s*=\s*["']?stylesheet))re"),
        QRegularExpression::CaseInsensitiveOption);
    return html.replace(untyped, QStringLiteral("<link type=\"text/css\""));
}
}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}

void HelpBrowser::setArchive(const help::ChmArchive* archive) {
    m_archive = archive;
}

QUrl HelpBrowser::pageUrl(const QString& page) {
    QString path = page.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // A topic may be written as "file.chm::/page.html"; it is this file's page either way.
    const qsizetype inFile = path.indexOf(QLatin1String("::"));
    if (inFile >= 0)
        path = path.mid(inFile + 2);
    return QUrl(kScheme + QStringLiteral(":///")).resolved(QUrl(path));
}

bool HelpBrowser::isInArchive(const QUrl& url) {
    return url.scheme() == kScheme;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // A help page reads nothing from outside its file: no local files, no network.
    if (!m_archive || !isInArchive(name))
        return QVariant();
    const QString path = name.path();
    const std::optional<QByteArray> bytes = m_archive->read(path);
    switch (type) {
        case QTextDocument::HtmlResource:
            return bytes ? WithTypedStyleSheets(m_archive->decode(*bytes)) : MissingPage(path.mid(1));
        case QTextDocument::StyleSheetResource:
            return bytes ? QVariant(m_archive->decode(*bytes)) : QVariant();
        case QTextDocument::ImageResource: {
            QImage image;
            if (bytes && image.loadFromData(*bytes))
                return image;
            return QVariant();
        }
        default:
            return bytes ? QVariant(*bytes) : QVariant();
    }
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    if (name.isRelative() || isInArchive(name)) {
        QTextBrowser::doSetSource(name, type);
        return;
    }
    // Web and mail links leave the help window; other schemes (file:, scripts) are not followed.
    const QString scheme = name.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        QDesktopServices::openUrl(name);
}
