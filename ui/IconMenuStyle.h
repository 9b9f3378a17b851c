#pragma once
#include <QProxyStyle>

// Hands the measuring and drawing of owner-drawn items in an IconMenuPopup to the menu object
// that built the drop-down (MeasureItem / DrawItem with the item's data); everything else is
// the application style's.
class IconMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    // One style for all drop-downs, deleted with the application.
    static IconMenuStyle* Instance();

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
