#include "framework/TabControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>

#include "framework/WinDefs.h"

namespace {
constexpr int kPadding = 12;
constexpr int kImageGap = 4;
}  // namespace

TabControl::TabControl(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void TabControl::SetImageList(std::vector<QPixmap> images) {
    m_images = std::move(images);
    m_dirty = true;
    update();
}

int TabControl::InsertItem(int index, const QString& text, int image) {
    index = std::clamp(index, 0, GetItemCount());
    m_items.insert(m_items.begin() + index, Item{text, image});
    if (m_current < 0)
        m_current = 0;
    m_dirty = true;
    update();
    return index;
}

QString TabControl::GetItemText(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[index].text : QString();
}

int TabControl::GetItemImage(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[index].image : -1;
}

int TabControl::SetCurSel(int index) {
    if (index < 0 || index >= GetItemCount())
        return -1;
    int previous = m_current;
    m_current = index;
    m_dirty = true;
    update();
    return previous;
}

int TabControl::GetRowCount() {
    Layout();
    return m_rows;
}

QRect TabControl::GetItemRect(int index) {
    Layout();
    return index >= 0 && index < GetItemCount() ? m_rects[index] : QRect();
}

QRect TabControl::DisplayRect() {
    Layout();
    return QRect(2, m_rows * m_rowHeight + 2, width() - 4, height() - m_rows * m_rowHeight - 4);
}

int TabControl::TabWidth(const Item& item) const {
    int w = fontMetrics().horizontalAdvance(item.text) + kPadding;
    if (item.image >= 0 && item.image < static_cast<int>(m_images.size())) {
        w += m_images[item.image].width() + kImageGap;
    }
    return w;
}

void TabControl::Layout() {
    if (!m_dirty)
        return;
    m_dirty = false;
    m_rowHeight = std::max(fontMetrics().height(), 16) + 8;
    const int available = std::max(1, width() - 4);
    // Fill rows left to right, then stretch each row to the full width.
    std::vector<std::vector<int>> rows(1);
    int used = 0;
    for (int i = 0; i < GetItemCount(); ++i) {
        int w = TabWidth(m_items[i]);
        if (!rows.back().empty() && used + w > available) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(i);
        used += w;
    }
    m_rows = static_cast<int>(rows.size());
    // The row holding the selected tab sits next to the display area, as on Windows.
    int selectedRow = 0;
    for (int r = 0; r < m_rows; ++r) {
        for (int i : rows[r]) {
            if (i == m_current)
                selectedRow = r;
        }
    }
    std::vector<std::vector<int>> ordered;
    for (int r = selectedRow + 1; r < m_rows; ++r)
        ordered.push_back(rows[r]);
    for (int r = 0; r <= selectedRow; ++r)
        ordered.push_back(rows[r]);
    m_rects.assign(m_items.size(), QRect());
    for (int r = 0; r < m_rows; ++r) {
        int natural = 0;
        for (int i : ordered[r])
            natural += TabWidth(m_items[i]);
        const bool stretch = m_rows > 1;
        int x = 2;
        int extra = stretch ? available - natural : 0;
        int n = static_cast<int>(ordered[r].size());
        for (int k = 0; k < n; ++k) {
            int i = ordered[r][k];
            int w = TabWidth(m_items[i]) + (n ? extra / n + (k < extra % n ? 1 : 0) : 0);
            m_rects[i] = QRect(x, r * m_rowHeight, w, m_rowHeight);
            x += w;
        }
    }
}

void TabControl::paintEvent(QPaintEvent*) {
    Layout();
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, m_rows * m_rowHeight, width(), height() - m_rows * m_rowHeight);
    frame.shape = QTabBar::RoundedNorth;
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    // The selected tab last, so that it lies over its neighbours and joins the display area.
    for (int i = 0; i < GetItemCount(); ++i) {
        if (i != m_current)
            DrawTab(p, i);
    }
    if (m_current >= 0 && m_current < GetItemCount())
        DrawTab(p, m_current);
}

void TabControl::DrawTab(QStylePainter& p, int i) {
    QStyleOptionTab tab;
    tab.initFrom(this);
    tab.rect = m_rects[i];
    tab.text = m_items[i].text;
    tab.shape = QTabBar::RoundedNorth;
    tab.state &= ~QStyle::State_HasFocus;
    if (i == m_current) {
        tab.state |= QStyle::State_Selected;
        if (hasFocus())
            tab.state |= QStyle::State_HasFocus;
    }
    if (m_items[i].image >= 0 && m_items[i].image < static_cast<int>(m_images.size())) {
        tab.icon = QIcon(m_images[m_items[i].image]);
        tab.iconSize = m_images[m_items[i].image].size();
    }
    // Styles draw a tab as if its bar were one tab high and let the bar clip the rest; a tab
    // in a lower row must be clipped the same way or its fill runs down into the pages. The
    // selected tab may cover the display area's top line below it.
    p.save();
    p.setClipRect(m_rects[i].adjusted(0, 0, 0, i == m_current ? 1 : 0));
    p.drawControl(QStyle::CE_TabBarTab, tab);
    p.restore();
}

void TabControl::mousePressEvent(QMouseEvent* event) {
    Layout();
    for (int i = 0; i < GetItemCount(); ++i) {
        if (m_rects[i].contains(event->position().toPoint())) {
            setFocus(Qt::MouseFocusReason);
            SelectByUser(i);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void TabControl::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier && GetItemCount() > 0) {
        if (event->key() == Qt::Key_Left && m_current > 0) {
            SelectByUser(m_current - 1);
            return;
        }
        if (event->key() == Qt::Key_Right && m_current + 1 < GetItemCount()) {
            SelectByUser(m_current + 1);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TabControl::resizeEvent(QResizeEvent*) {
    m_dirty = true;
}

void TabControl::SelectByUser(int index) {
    if (index == m_current)
        return;
    SetCurSel(index);
    Notify(TCN_SELCHANGE);
}
