#pragma once
// Base of every window the program owns. Controls are plain Qt widgets that carry their
// Windows control id; notifications from them arrive through OnCommand / OnNotify / OnHScroll.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "framework/MessageMap.h"
#include "framework/WinDefs.h"

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    QWidget* GetSafeHwnd() const { return m_widget; }
    // The widget whose direct children are this window's controls.
    QWidget* ControlParent() const { return m_controlParent; }
    // Wraps a control that its dialog owns (DDX_Control); the wrapper never deletes it.
    void AttachControl(QWidget* control) {
        m_widget = control;
        m_controlParent = control;
        m_ownsWidget = false;
    }
    CWnd* GetParent() const { return m_parent; }
    void SetParent(CWnd* parent) { m_parent = parent; }

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    // WM_COMMAND: control notifications (code != 0 or from a button) and commands (code 0).
    // A command this window's map does not handle goes to the parent window, synchronously.
    virtual bool OnCommand(int id, int code);
    // WM_NOTIFY.
    virtual bool OnNotify(int id, NMHDR* hdr, LRESULT* result);
    // WM_HSCROLL from a trackbar.
    virtual void OnHScrollMessage(int code, int pos, QWidget* bar);

    // SendMessage(WM_COMMAND, id, 0) to this window.
    void SendCommand(int id) { OnCommand(id, 0); }

    // Controls by id, anywhere below this window.
    QWidget* GetDlgItem(int id) const;
    static int GetDlgCtrlID(const QWidget* control);
    QString GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const QString& text);
    // GetDlgItemInt: 0 and *translated = false when the text is no number of that kind.
    long long GetDlgItemInt(int id, bool* translated, bool isSigned) const;
    void SetDlgItemInt(int id, long long value);
    bool IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, bool checked);

    void SetWindowText(const QString& text);
    QString GetWindowText() const;
    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;

    static QWidget* GetFocus();
    static void SetFocus(QWidget* control);
    virtual void SetFocus();

    // Text of any control, with the edit's "every set is a change" behaviour.
    static QString WindowTextOf(const QWidget* control);
    static void SetWindowTextOf(QWidget* control, const QString& text);

protected:
    bool OnCmdMsg(MsgKind kind, MsgArgs& args);
    // The window's widget and the widget whose direct children are its controls.
    void AttachWidget(QWidget* widget, QWidget* controlParent = nullptr) {
        m_widget = widget;
        m_controlParent = controlParent ? controlParent : widget;
        m_ownsWidget = true;
    }

    // Deletes the widget; notifications raised while it goes away are dropped.
    void DestroyWidget();
    bool IsDestroying() const { return m_destroying; }

private:
    // Guarded: a child window's widget may go with its parent's before the object itself.
    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_controlParent;
    mutable QHash<int, QPointer<QWidget>> m_itemCache;
    CWnd* m_parent = nullptr;
    bool m_destroying = false;
    bool m_ownsWidget = true;
};

// Our own wrapper for a control widget: the id and the notification sink.
namespace fw {
constexpr const char* kCtrlIdProperty = "bmkCtrlId";
}
