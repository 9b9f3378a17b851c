#include "ui/MenuSystemMetrics.h"

#include <QApplication>
#include <QMenuBar>
#include <QPalette>
#include <optional>

namespace {

std::optional<MenuSystemMetrics>& TestMetrics() {
    static std::optional<MenuSystemMetrics> metrics;
    return metrics;
}

int OneLineMenuBarHeight(const QFont& font) {
    QMenuBar bar;
    bar.setNativeMenuBar(false);
    bar.setFont(font);
    bar.addAction(QStringLiteral("M"));
    return bar.sizeHint().height();
}

}  // namespace

MenuSystemMetrics MenuSystemMetrics::Current() {
    if (TestMetrics())
        return *TestMetrics();
    const QPalette p = QApplication::palette("QMenu");
    MenuSystemMetrics m;
    m.menu = p.color(QPalette::Active, QPalette::Window);
    m.menuText = p.color(QPalette::Active, QPalette::WindowText);
    m.highlight = p.color(QPalette::Active, QPalette::Highlight);
    m.highlightText = p.color(QPalette::Active, QPalette::HighlightedText);
    m.grayText = p.color(QPalette::Disabled, QPalette::Text);
    m.btnFace = p.color(QPalette::Active, QPalette::Button);
    m.btnText = p.color(QPalette::Active, QPalette::ButtonText);
    m.btnShadow = p.color(QPalette::Active, QPalette::Dark);
    m.btnHighlight = p.color(QPalette::Active, QPalette::Light);
    m.light3d = p.color(QPalette::Active, QPalette::Midlight);
    m.menuFont = QApplication::font("QMenu");
    // The metric is fixed for the run, as the system's is.
    static const int barHeight = OneLineMenuBarHeight(m.menuFont);
    m.menuBarHeight = barHeight;
    return m;
}

void MenuSystemMetrics::SetForTesting(const MenuSystemMetrics* metrics) {
    if (metrics)
        TestMetrics() = *metrics;
    else
        TestMetrics().reset();
}
