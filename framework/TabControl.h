#pragma once
#include <QPixmap>
#include <QWidget>

class QStylePainter;
#include <vector>

#include "framework/ControlNotifier.h"

// Tab control with several rows of tabs, so that every tab is visible at once. The pages are
// separate windows laid over its display area; selecting by program (SetCurSel) is silent,
// the user's choice reports TCN_SELCHANGE.
class TabControl : public QWidget, public ControlNotifier {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent);
    void SetImageList(std::vector<QPixmap> images);
    int InsertItem(int index, const QString& text, int image);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    QString GetItemText(int index) const;
    int GetItemImage(int index) const;
    int GetCurSel() const { return m_current; }
    int SetCurSel(int index);  // previous selection, or -1
    int GetRowCount();
    QRect GetItemRect(int index);
    // The area below the tabs, in this control's coordinates.
    QRect DisplayRect();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Item {
        QString text;
        int image;
    };
    void Layout();
    void SelectByUser(int index);
    void DrawTab(QStylePainter& painter, int index);
    int TabWidth(const Item& item) const;

    std::vector<Item> m_items;
    std::vector<QPixmap> m_images;
    std::vector<QRect> m_rects;
    int m_rows = 1;
    int m_rowHeight = 0;
    int m_current = -1;
    bool m_dirty = true;
};
