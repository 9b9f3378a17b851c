#pragma once
// Fixed menu colours, font and bar height for the icon menu tests, set for one scope.
#include <QFont>

#include "ui/MenuSystemMetrics.h"

namespace testing_support {

inline MenuSystemMetrics FixedMenuMetrics() {
    MenuSystemMetrics m;
    m.menu = QColor(212, 208, 200);
    m.menuText = QColor(10, 10, 10);
    m.highlight = QColor(10, 36, 106);
    m.highlightText = QColor(250, 250, 250);
    m.grayText = QColor(128, 128, 130);
    m.btnFace = QColor(212, 208, 200);
    m.btnText = QColor(5, 5, 5);
    m.btnShadow = QColor(128, 128, 128);
    m.btnHighlight = QColor(255, 255, 255);
    m.light3d = QColor(230, 226, 220);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    // Hard-edged glyphs, so that text pixels have exactly the colours drawn.
    font.setStyleStrategy(QFont::NoAntialias);
    m.menuFont = font;
    m.menuBarHeight = 20;
    return m;
}

class ScopedMenuMetrics {
public:
    explicit ScopedMenuMetrics(const MenuSystemMetrics& metrics) {
        MenuSystemMetrics::SetForTesting(&metrics);
    }
    ~ScopedMenuMetrics() { MenuSystemMetrics::SetForTesting(nullptr); }
    ScopedMenuMetrics(const ScopedMenuMetrics&) = delete;
    ScopedMenuMetrics& operator=(const ScopedMenuMetrics&) = delete;
};

}  // namespace testing_support
