#pragma once
#include <QRect>

#include "framework/WinDefs.h"
#include "ui/MenuSystemMetrics.h"

class MenuItemRecord;
class QColor;
class QPainter;

// Paints one drop-down item of the icon menu: the image cell (flat, raised, checked or
// embossed when disabled), the check box of a checked item without image, the label on the
// left and the accelerator on the right, in every selected / grayed / checked state.
class IconMenuPainter {
public:
    IconMenuPainter(QPainter& painter, const MenuSystemMetrics& metrics, int imageWidth, int imageHeight);

    // itemState: ODS_SELECTED, ODS_GRAYED, ODS_CHECKED. ownCheckMark: the item brings its own
    // checked-state mark, shown as a dot instead of the check glyph.
    void Draw(const MenuItemRecord& record, const QRect& item, UINT itemState, bool ownCheckMark);

    // Seven columns of three pixels whose tops step 2, 3, 4, 3, 2, 1, 0 rows below y.
    static void DrawCheckGlyph(QPainter& painter, int x, int y, const QColor& colour);

private:
    struct Box {
        int left, top, right, bottom;
    };
    void DrawSeparator(const Box& r);
    void DrawImageCell(const MenuItemRecord& record, const Box& r, int g, bool selected, bool grayed,
                       bool checked);
    void DrawCheckBox(const Box& r, int g, bool selected, bool ownCheckMark);
    void DrawLabel(const MenuItemRecord& record, const Box& r, bool selected, bool grayed);
    void DrawTextParts(const MenuItemRecord& record, const Box& text, const QColor& colour);

    void Fill(const Box& b, const QColor& colour);
    void Frame(const Box& b, const QColor& colour);
    // Top and left edges in one colour, bottom and right in the other.
    void Frame3d(const Box& b, const QColor& topLeft, const QColor& bottomRight);

    QPainter& m_painter;
    const MenuSystemMetrics& m_metrics;
    int m_iw;
    int m_ih;
};
