#include "help/ChmSitemap.h"

#include <QHash>
#include <QRegularExpression>

namespace help {

namespace {
// A start or end tag; quoted attribute values may hold '>'.
const QRegularExpression& TagPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"re(<\s*(/?)\s*([A-Za-z]+)((?:[^>"']|"[^"]*"|'[^']*')*)>)re"));
    return pattern;
}

const QRegularExpression& AttributePattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*(?:=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))?)re"));
    return pattern;
}

QString DecodeEntities(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6}|[A-Za-z]+);"));
    static const QHash<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},  {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},   {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")}, {QStringLiteral("nbsp"), QString(QChar(0xa0))}};
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : entity.globalMatch(text)) {
        const QString body = m.captured(1);
        QString replacement = m.captured(0);  // an unknown entity stays as written
        if (body.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex = body.size() > 1 && (body[1] == QLatin1Char('x') || body[1] == QLatin1Char('X'));
            const uint code = hex ? body.mid(2).toUInt(&ok, 16) : body.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10ffff && !QChar::isSurrogate(code)) {
                const char32_t character = code;
                replacement = QString::fromUcs4(&character, 1);
            }
        } else if (named.contains(body.toLower())) {
            replacement = named.value(body.toLower());
        }
        result += QStringView(text).mid(done, m.capturedStart() - done);
        result += replacement;
        done = m.capturedEnd();
    }
    result += QStringView(text).mid(done);
    return result;
}

QHash<QString, QString> Attributes(const QString& text) {
    QHash<QString, QString> attributes;
    for (const QRegularExpressionMatch& m : AttributePattern().globalMatch(text)) {
        QString value = m.captured(2);
        if (value.isNull())
            value = m.captured(3);
        if (value.isNull())
            value = m.captured(4);
        attributes.insert(m.captured(1).toLower(), DecodeEntities(value));
    }
    return attributes;
}
}  // namespace

QList<SitemapEntry> ParseSitemap(const QString& text) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString markup = QString(text).remove(comment);

    QList<SitemapEntry> entries;
    SitemapEntry current;
    bool inObject = false;
    int lists = 0;
    // An entry ends at </OBJECT>, or at the next item or list where the end tag was left out.
    const auto finish = [&] {
        if (inObject && !current.name.isEmpty())
            entries.append(current);
        inObject = false;
    };
    for (const QRegularExpressionMatch& tag : TagPattern().globalMatch(markup)) {
        const bool closing = !tag.captured(1).isEmpty();
        const QString name = tag.captured(2).toLower();
        if (name == QLatin1String("ul")) {
            finish();
            lists = closing ? qMax(0, lists - 1) : lists + 1;
        } else if (name == QLatin1String("li")) {
            finish();
        } else if (name == QLatin1String("object")) {
            finish();
            if (!closing && Attributes(tag.captured(3))
                                    .value(QStringLiteral("type"))
                                    .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0) {
                current = SitemapEntry{};
                current.depth = qMax(0, lists - 1);
                inObject = true;
            }
        } else if (name == QLatin1String("param") && inObject && !closing) {
            const QHash<QString, QString> param = Attributes(tag.captured(3));
            const QString kind = param.value(QStringLiteral("name")).toLower();
            const QString value = param.value(QStringLiteral("value")).trimmed();
            // An index keyword may name several topics as Name/Local pairs; the first name is the keyword.
            if (kind == QLatin1String("name") && current.name.isEmpty())
                current.name = value;
            else if (kind == QLatin1String("local") && !value.isEmpty())
                current.pages.append(value);
        }
    }
    finish();
    return entries;
}

}  // namespace help
