#pragma once
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include "framework/CWnd.h"

// A status bar along the bottom of its parent's client area (the top with CCS_TOP alone),
// divided into parts by their right edges; -1 reaches the bar's right end. A new bar has one
// part that spans it.
class CStatusBarCtrl : public CWnd {
public:
    CStatusBarCtrl() = default;
    ~CStatusBarCtrl() override;

    // Styles: WS_VISIBLE, CCS_TOP / CCS_BOTTOM. The bar places itself; rect is not used.
    bool Create(UINT style, const QRect& rect, CWnd* parent, int id);

    // SB_SETPARTS: 1 to 256 right edges, in pixels from the bar's left. Texts of parts that
    // remain are kept.
    bool SetParts(int count, const int* rightEdges);
    // The number of parts; copies up to count right edges when rightEdges is given.
    int GetParts(int count, int* rightEdges) const;
    // SB_SETTEXTA with the default (sunken) border.
    bool SetText(int part, const QString& text);
    QString GetText(int part) const;
    // The part's rectangle in the bar's coordinates.
    bool GetRect(int part, QRect* rect) const;
    // The bar's window rectangle in screen coordinates.
    QRect GetWindowRect() const;

private:
    class Bar;
    Bar* StatusBar() const;
    void ForgetLostWidget();

    QPointer<QWidget> m_bar;
};
