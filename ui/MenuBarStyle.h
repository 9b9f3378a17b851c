#pragma once
#include <QProxyStyle>

// The menu bar as a desktop user knows it: a bare Alt tap highlights the first menu, and grayed
// items can be highlighted by the keyboard and the mouse like the others, and are drawn so.
class MenuBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

class QMenuBar;
// Gives the menu bar and its drop-downs the style, and F10 to open the first menu.
void ApplyMenuBarStyle(QMenuBar* bar);
