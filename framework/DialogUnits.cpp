#include "framework/DialogUnits.h"

#include <QFontMetrics>
#include <QStringList>

#include "res/DialogTemplate.h"

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics fm(font);
    int width = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = std::max(1, (width / 26 + 1) / 2);
    m_baseY = std::max(1, fm.height());
}

QFont TemplateFont(const res::DialogTemplate& t) {
    QFont font;
    QStringList families;
    families << QString::fromUtf8(t.fontFace) << QStringLiteral("MS PGothic")
             << QStringLiteral("Noto Sans CJK JP") << QStringLiteral("Noto Sans JP")
             << QStringLiteral("IPAPGothic") << QStringLiteral("Sans Serif");
    font.setFamilies(families);
    font.setPointSize(t.fontPoints);
    return font;
}
