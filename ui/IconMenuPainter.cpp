#include "ui/IconMenuPainter.h"

#include <QPainter>
#include <algorithm>

#include "framework/CMenu.h"
#include "ui/DisabledImage.h"
#include "ui/MenuItemRecord.h"

namespace {

QRect ToQRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

IconMenuPainter::IconMenuPainter(QPainter& painter, const MenuSystemMetrics& metrics, int imageWidth,
                                 int imageHeight)
    : m_painter(painter), m_metrics(metrics), m_iw(imageWidth), m_ih(imageHeight) {}

void IconMenuPainter::Fill(const Box& b, const QColor& colour) {
    m_painter.fillRect(ToQRect(b.left, b.top, b.right, b.bottom), colour);
}

void IconMenuPainter::Frame(const Box& b, const QColor& colour) {
    Frame3d(b, colour, colour);
}

void IconMenuPainter::Frame3d(const Box& b, const QColor& topLeft, const QColor& bottomRight) {
    const int cx = b.right - b.left;
    const int cy = b.bottom - b.top;
    m_painter.fillRect(b.left, b.top, cx - 1, 1, topLeft);
    m_painter.fillRect(b.left, b.top, 1, cy - 1, topLeft);
    m_painter.fillRect(b.right - 1, b.top, 1, cy, bottomRight);
    m_painter.fillRect(b.left, b.bottom - 1, cx, 1, bottomRight);
}

void IconMenuPainter::DrawCheckGlyph(QPainter& painter, int x, int y, const QColor& colour) {
    static constexpr int kColumnTops[] = {2, 3, 4, 3, 2, 1, 0};
    for (int k = 0; k < 7; ++k)
        painter.fillRect(x + k, y + kColumnTops[k], 1, 3, colour);
}

void IconMenuPainter::Draw(const MenuItemRecord& record, const QRect& item, UINT itemState,
                           bool ownCheckMark) {
    const Box r{item.left(), item.top(), item.left() + item.width(), item.top() + item.height()};
    m_painter.save();
    if (record.IsSeparator()) {
        DrawSeparator(r);
        m_painter.restore();
        return;
    }
    const bool selected = itemState & ODS_SELECTED;
    const bool grayed = itemState & ODS_GRAYED;
    const bool checked = itemState & ODS_CHECKED;
    const bool hasImage = record.HasImage();

    if (!selected)
        Fill(r, m_metrics.menu);
    else if (hasImage || checked)
        Fill({r.left + m_iw + 5, r.top, r.right, r.bottom}, m_metrics.highlight);
    else
        Fill(r, m_metrics.highlight);

    const int g = std::max(0, (r.bottom - r.top - m_ih - 4) / 2);
    if (hasImage)
        DrawImageCell(record, r, g, selected, grayed, checked);
    else if (checked)
        DrawCheckBox(r, g, selected, ownCheckMark);
    DrawLabel(record, r, selected, grayed);
    m_painter.restore();
}

void IconMenuPainter::DrawSeparator(const Box& r) {
    // An etched line: shadow over highlight, along the top of the lower half.
    const int y = r.top + (r.bottom - r.top) / 2;
    m_painter.fillRect(r.left, y, r.right - r.left, 1, m_metrics.btnShadow);
    m_painter.fillRect(r.left, y + 1, r.right - r.left, 1, m_metrics.btnHighlight);
}

void IconMenuPainter::DrawImageCell(const MenuItemRecord& record, const Box& r, int g, bool selected,
                                    bool grayed, bool checked) {
    const Box cell{r.left, r.top + g, r.left + m_iw + 4, r.top + g + m_ih + 4};
    const Box inner{r.left + 1, r.top + g + 1, r.left + m_iw + 3, r.top + g + m_ih + 3};
    const int x = r.left + 2;
    const int y = r.top + g + 2;
    const QImage& image = *record.imageList;
    if (grayed) {
        QImage onMenu(m_iw, m_ih, QImage::Format_RGB32);
        onMenu.fill(m_metrics.menu);
        QPainter(&onMenu).drawImage(0, 0, image);
        DisabledImage(onMenu, m_metrics).Draw(m_painter, x, y);
        Frame(cell, m_metrics.menu);
        return;
    }
    if (selected) {
        Fill(inner, m_metrics.menu);
        if (checked)
            Frame3d(cell, m_metrics.btnShadow, m_metrics.btnHighlight);
        else
            Frame3d(cell, m_metrics.btnHighlight, m_metrics.btnShadow);
    } else if (checked) {
        Fill(inner, m_metrics.light3d);
        Frame3d(cell, m_metrics.btnShadow, m_metrics.btnHighlight);
    } else {
        Fill(inner, m_metrics.menu);
        Frame(cell, m_metrics.menu);
    }
    m_painter.drawImage(x, y, image);
}

void IconMenuPainter::DrawCheckBox(const Box& r, int g, bool selected, bool ownCheckMark) {
    const Box box{r.left + 1, r.top + g + 2, r.left + m_iw + 1, r.top + g + m_ih + 2};
    Fill(box, selected ? m_metrics.menu : m_metrics.light3d);
    Frame3d(box, m_metrics.btnShadow, m_metrics.btnHighlight);
    if (ownCheckMark) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(m_metrics.menuText);
        m_painter.drawEllipse(QRectF(box.left + 5, box.top + 4, 6, 6));
    } else {
        DrawCheckGlyph(m_painter, box.left + 4, box.top + 4, m_metrics.menuText);
    }
}

void IconMenuPainter::DrawLabel(const MenuItemRecord& record, const Box& r, bool selected, bool grayed) {
    if (record.text.isEmpty())
        return;
    m_painter.setFont(m_metrics.menuFont);
    Box text{r.left + m_iw + 9, r.top - 1, r.right, r.bottom - 1};
    if (record.HasAccelerator())
        text.right -= m_iw;
    if (!grayed) {
        DrawTextParts(record, text, selected ? m_metrics.highlightText : m_metrics.menuText);
    } else if (selected) {
        DrawTextParts(record, text, m_metrics.menu);
    } else {
        DrawTextParts(record, {text.left + 1, text.top + 1, text.right + 1, text.bottom + 1},
                      m_metrics.btnHighlight);
        DrawTextParts(record, text, m_metrics.grayText);
    }
}

void IconMenuPainter::DrawTextParts(const MenuItemRecord& record, const Box& text, const QColor& colour) {
    const QRect rect = ToQRect(text.left, text.top, text.right, text.bottom);
    const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignVCenter;
    m_painter.setPen(colour);
    m_painter.drawText(rect, flags | Qt::AlignLeft, record.LabelPart());
    if (record.HasAccelerator())
        m_painter.drawText(rect, flags | Qt::AlignRight, record.AcceleratorPart());
}
