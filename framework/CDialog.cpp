#include "framework/CDialog.h"

#include <QApplication>
#include <QMenuBar>
#include <QVBoxLayout>

#include "framework/CDataExchange.h"
#include "framework/CMenu.h"
#include "framework/DialogBuilder.h"
#include "framework/DialogWidget.h"
#include "framework/Services.h"
#include "res/DialogTemplate.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_ownerWnd(parent) {
    m_font = TemplateFont(Template());
    m_units = std::make_unique<DialogUnits>(m_font);
}

CDialog::CDialog(const res::DialogTemplate& t, CWnd* parent)
    : m_templateId(t.id), m_template(&t), m_ownerWnd(parent) {
    m_font = TemplateFont(t);
    m_units = std::make_unique<DialogUnits>(m_font);
}

CDialog::~CDialog() {
    DestroyWindow();
}

const res::DialogTemplate& CDialog::Template() const {
    static const res::DialogTemplate empty{0, "", 0, 0, "", 9, true, {}};
    const res::DialogTemplate* t = m_template ? m_template : res::FindDialogTemplate(m_templateId);
    return t ? *t : empty;
}

void CDialog::CreateWindowFromTemplate(QWidget* parentWidget) {
    DestroyWindow();
    const res::DialogTemplate& t = Template();
    const QSize size(m_units->X(t.cx), m_units->Y(t.cy));
    if (t.child) {
        auto* page = new QWidget(parentWidget);
        page->setFont(m_font);
        page->setFixedSize(size);
        BuildDialogControls(t, page, *m_units, *this);
        AttachWidget(page);
    } else {
        auto* dialog = new DialogWidget(*this, parentWidget);
        dialog->setFont(m_font);
        dialog->setWindowTitle(QString::fromUtf8(t.caption));
        m_layout = new QVBoxLayout(dialog);
        m_layout->setContentsMargins(0, 0, 0, 0);
        m_layout->setSpacing(0);
        m_layout->setSizeConstraint(QLayout::SetFixedSize);
        auto* client = new QWidget(dialog);
        client->setFixedSize(size);
        m_layout->addWidget(client);
        BuildDialogControls(t, client, *m_units, *this);
        AttachWidget(dialog, client);
    }
    QWidget* root = GetSafeHwnd();
    m_focusTracking =
        QObject::connect(qApp, &QApplication::focusChanged, root, [this, root](QWidget*, QWidget* now) {
            if (now && root->isAncestorOf(now))
                m_lastFocus = now;
        });
}

bool CDialog::Create(CWnd* parent) {
    if (parent)
        SetParent(parent);
    QWidget* parentWidget = nullptr;
    if (parent)
        parentWidget = Template().child ? parent->ControlParent() : parent->GetSafeHwnd();
    CreateWindowFromTemplate(parentWidget);
    m_ended = false;
    OnInitDialog();
    return GetSafeHwnd() != nullptr;
}

void CDialog::DestroyWindow() {
    if (!GetSafeHwnd())
        return;
    QObject::disconnect(m_focusTracking);
    m_layout = nullptr;
    m_lastFocus = nullptr;
    DestroyWidget();
}

int CDialog::DoModal() {
    CreateWindowFromTemplate(m_ownerWnd ? m_ownerWnd->GetSafeHwnd() : nullptr);
    m_ended = false;
    m_result = -1;
    // The window goes away however the run ends, a test's simulated process exit included.
    struct Destroy {
        CDialog* dialog;
        ~Destroy() { dialog->DestroyWindow(); }
    } destroy{this};
    OnInitDialog();
    if (!m_ended) {
        int result = fw::ModalLoop().Run(*this);
        if (!m_ended) {
            m_ended = true;
            m_result = result;
        }
    }
    return m_result;
}

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_result = result;
    if (auto* dialog = qobject_cast<QDialog*>(GetSafeHwnd()))
        dialog->QDialog::done(result);
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnSysCommand(UINT id) {
    if (id == SC_CLOSE)
        OnCommand(IDCANCEL, 0);
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        return false;
    }
    return true;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::SetMenu(CMenu* menu) {
    m_menu = menu;
    if (m_layout && menu)
        m_layout->setMenuBar(menu->MenuBarWidget());
}

void CDialog::SetFocus() {
    QWidget* root = GetSafeHwnd();
    if (!root)
        return;
    if (m_lastFocus && m_lastFocus->isVisibleTo(root) && m_lastFocus->isEnabled()) {
        m_lastFocus->setFocus(Qt::OtherFocusReason);
        return;
    }
    const auto children = ControlParent()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // First control in tab order that can take the focus.
    QWidget* w = ControlParent()->nextInFocusChain();
    for (int guard = 0; w && guard < 1000; ++guard, w = w->nextInFocusChain()) {
        if (w->parentWidget() == ControlParent() && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(root)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
        if (w == ControlParent())
            break;
    }
    for (QWidget* c : children) {
        if ((c->focusPolicy() & Qt::TabFocus) && c->isEnabled() && c->isVisibleTo(root)) {
            c->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
