#pragma once
#include <QFont>
#include <QPointer>
#include <memory>

#include "framework/CWnd.h"
#include "framework/DialogUnits.h"

class CDataExchange;
class CMenu;
class QDialog;
class QVBoxLayout;

namespace res {
struct DialogTemplate;
}

// A dialog built from its template: modal (DoModal) or modeless (Create).
class CDialog : public CWnd {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    // A dialog on a template that is not among the program's resources.
    explicit CDialog(const res::DialogTemplate& t, CWnd* parent = nullptr);
    ~CDialog() override;

    virtual int DoModal();
    // Creates the window without running it; a child template becomes a child of the parent's window.
    bool Create(CWnd* parent = nullptr);
    void DestroyWindow();
    void EndDialog(int result);
    bool IsEnded() const { return m_ended; }
    int ResultCode() const { return m_result; }

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // WM_SYSCOMMAND; the close box arrives as SC_CLOSE.
    virtual void OnSysCommand(UINT id);

    bool UpdateData(bool saveAndValidate = true);
    virtual void DoDataExchange(CDataExchange* pDX);

    int TemplateId() const { return m_templateId; }
    const res::DialogTemplate& Template() const;
    const DialogUnits& Units() const { return *m_units; }
    QRect MapDialogRect(int x, int y, int cx, int cy) const { return m_units->Map(x, y, cx, cy); }
    QFont DialogFont() const { return m_font; }

    // The window's menu bar (top-level dialogs only); the dialog does not own the menu object.
    void SetMenu(CMenu* menu);
    CMenu* GetMenu() const { return m_menu; }

    // Focus goes to the control that had it last, else to the first control that takes it.
    void SetFocus() override;
    using CWnd::SetFocus;

    DECLARE_MESSAGE_MAP()

private:
    void CreateWindowFromTemplate(QWidget* parentWidget);

    int m_templateId;
    const res::DialogTemplate* m_template = nullptr;
    CWnd* m_ownerWnd;
    bool m_ended = false;
    int m_result = -1;
    QFont m_font;
    std::unique_ptr<DialogUnits> m_units;
    CMenu* m_menu = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QPointer<QWidget> m_lastFocus;
    QMetaObject::Connection m_focusTracking;
};
