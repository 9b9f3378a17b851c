#pragma once
#include <QByteArray>
#include <QString>

#include "framework/CToolBarCtrl.h"

// The main window's toolbar: five buttons for its file and printer commands, whose tooltips
// are the string-table entries of their command ids.
class PanelToolBar : public CToolBarCtrl {
public:
    static constexpr UINT kStyle =
        WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE | CCS_TOP;
    // The inline text field holds 80 bytes with the terminating zero.
    static constexpr int kMaxToolTipBytes = 79;

    using CToolBarCtrl::Create;
    // Creates the toolbar on the parent's top edge and its buttons.
    bool Create(CWnd* parent, int id = 2016);
    void CreateButtons();

    bool OnNotify(int id, NMHDR* hdr, LRESULT* result) override;
    void OnToolTipTextA(UINT id, NMHDR* hdr, LRESULT* result);
    void OnToolTipTextW(UINT id, NMHDR* hdr, LRESULT* result);

    // The text in code page 932, cut to at most maxBytes without splitting a double-byte character.
    static QByteArray ToCodePage932(const QString& text, int maxBytes = kMaxToolTipBytes);

    DECLARE_MESSAGE_MAP()
};
