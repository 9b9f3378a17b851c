#pragma once
#include <QFont>
#include <QRect>

namespace res {
struct DialogTemplate;
}

// Dialog units to pixels from the template font, the way Windows computes them.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }
    int X(int dlu) const { return dlu * m_baseX / 4; }
    int Y(int dlu) const { return dlu * m_baseY / 8; }
    QRect Map(int x, int y, int cx, int cy) const { return QRect(X(x), Y(y), X(cx), Y(cy)); }

private:
    int m_baseX;
    int m_baseY;
};

// The template's font: its face where installed, else a Japanese UI font, at its point size.
QFont TemplateFont(const res::DialogTemplate& t);
