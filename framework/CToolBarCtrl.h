#pragma once
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

#include "framework/CWnd.h"

class QHelpEvent;
class QToolButton;

// One toolbar item as it is inserted: a button or a separator.
struct TBBUTTON {
    int iBitmap = 0;
    int idCommand = 0;
    uint8_t fsState = 0;
    uint8_t fsStyle = 0;
    intptr_t dwData = 0;
};

namespace fw {

// The window on this thread whose notifications are locked out, or nullptr.
CWnd* NotifyLockoutWindow();

// Locks out notifications to a window while it is busy with its own state.
class NotifyLockout {
public:
    explicit NotifyLockout(CWnd* window);
    ~NotifyLockout();
    NotifyLockout(const NotifyLockout&) = delete;
    NotifyLockout& operator=(const NotifyLockout&) = delete;

private:
    CWnd* m_previous;
};

}  // namespace fw

// A toolbar along an edge of its parent's client area. A click sends the button's command id
// to the parent window; with TBSTYLE_TOOLTIPS each button's tooltip text is asked for through
// OnNotify (TTN_NEEDTEXTW, or TTN_NEEDTEXTA for a narrow tooltip) with the command id.
class CToolBarCtrl : public CWnd {
public:
    CToolBarCtrl() = default;
    ~CToolBarCtrl() override;

    // Styles: WS_VISIBLE, WS_BORDER, TBSTYLE_TOOLTIPS, CCS_TOP / CCS_BOTTOM (placed at that
    // edge; otherwise at rect). CCS_ADJUSTABLE is accepted; since no owner answers the
    // customisation queries, nothing can be rearranged, as with the original control.
    bool Create(UINT style, const QRect& rect, CWnd* parent, int id);

    // Splits the strip into numImages images of the bitmap size (16 x 16) from the left.
    // Returns the index of the first new image, -1 for an empty strip.
    int AddBitmap(int numImages, const QPixmap& strip);
    int GetImageCount() const { return static_cast<int>(m_images.size()); }

    // Inserts before the item at index; an index outside the items appends.
    bool InsertButton(int index, const TBBUTTON* button);
    int GetButtonCount() const { return static_cast<int>(m_items.size()); }
    bool GetButton(int index, TBBUTTON* button) const;
    // Index of the item with that command id, -1 when none.
    int CommandToIndex(int id) const;
    bool EnableButton(int id, bool enable = true);
    bool IsButtonEnabled(int id) const;
    // The item's rectangle in the toolbar's coordinates.
    QRect GetItemRect(int index) const;

    // TB_AUTOSIZE: the full width of the parent's client area, at its edge.
    void AutoSize();

    // Whether tooltip requests take the wide form (the default) or the narrow one.
    void SetUnicodeToolTips(bool wide) { m_wideToolTips = wide; }
    // A window standing in for the toolbar's tooltip: it is offered each tooltip request
    // first and may consume it.
    void SetToolTips(CWnd* toolTip) { m_toolTipWnd = toolTip; }
    CWnd* GetToolTips() const { return m_toolTipWnd; }

protected:
    // The framework's reflection: offers a notification back to the control that sent it.
    bool ReflectNotify(NMHDR* hdr, LRESULT* result);

private:
    struct Item {
        TBBUTTON button;
        QToolButton* widget;  // nullptr for a separator
    };
    QWidget* Bar() const { return m_bar.data(); }
    void ForgetLostWidget();
    QSize ButtonSize() const;
    int BarHeight() const;
    void Layout();
    void ShowToolTip(int id, QToolButton* button, QHelpEvent* event);
    QString RequestToolTipText(int id);

    QPointer<QWidget> m_bar;
    QObject* m_toolTipSender = nullptr;
    CWnd* m_toolTipWnd = nullptr;
    UINT m_style = 0;
    bool m_wideToolTips = true;
    QSize m_bitmapSize{16, 16};
    std::vector<QPixmap> m_images;
    std::vector<Item> m_items;
};
