#include "framework/CWnd.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

#include "framework/EditControl.h"

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMap map{nullptr, {}};
    return &map;
}

CWnd::~CWnd() {
    DestroyWidget();
}

void CWnd::DestroyWidget() {
    if (!m_widget)
        return;
    m_destroying = true;
    QWidget* widget = m_widget;
    m_widget = nullptr;
    m_controlParent = nullptr;
    if (m_ownsWidget)
        delete widget;
    m_destroying = false;
}

bool CWnd::OnCmdMsg(MsgKind kind, MsgArgs& args) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MsgMapEntry& e : map->entries) {
            if (e.kind != kind)
                continue;
            if (kind != MsgKind::HScroll &&
                (e.code != args.code || args.id < e.idFirst || args.id > e.idLast)) {
                continue;
            }
            e.call(*this, args);
            return true;
        }
    }
    return false;
}

bool CWnd::OnCommand(int id, int code) {
    if (m_destroying)
        return false;
    MsgArgs args;
    args.id = id;
    args.code = code;
    if (OnCmdMsg(MsgKind::Command, args))
        return true;
    // A plain command that this window does not handle is its parent's to handle.
    if (code == 0 && m_parent)
        return m_parent->OnCommand(id, 0);
    return false;
}

bool CWnd::OnNotify(int id, NMHDR* hdr, LRESULT* result) {
    if (m_destroying)
        return false;
    MsgArgs args;
    args.id = id;
    args.code = hdr ? hdr->code : 0;
    args.nmhdr = hdr;
    args.result = result;
    return OnCmdMsg(MsgKind::Notify, args);
}

void CWnd::OnHScrollMessage(int code, int pos, QWidget* bar) {
    if (m_destroying)
        return;
    MsgArgs args;
    args.code = code;
    args.pos = pos;
    args.control = bar;
    OnCmdMsg(MsgKind::HScroll, args);
}

QWidget* CWnd::GetDlgItem(int id) const {
    if (!m_controlParent)
        return nullptr;
    // Reading a widget's id is a property lookup by name; the data check reads every control of
    // every page, so the ids are remembered and checked only for being still in place.
    if (QWidget* known = m_itemCache.value(id); known && known->parentWidget() == m_controlParent)
        return known;
    m_itemCache.clear();
    QWidget* found = nullptr;
    const auto children = m_controlParent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : children) {
        QVariant v = w->property(fw::kCtrlIdProperty);
        if (!v.isValid())
            continue;
        const int childId = v.toInt();
        if (!m_itemCache.contains(childId))
            m_itemCache.insert(childId, w);
        if (childId == id && !found)
            found = w;
    }
    return found;
}

int CWnd::GetDlgCtrlID(const QWidget* control) {
    if (!control)
        return 0;
    QVariant v = control->property(fw::kCtrlIdProperty);
    return v.isValid() ? v.toInt() : 0;
}

QString CWnd::WindowTextOf(const QWidget* control) {
    if (!control)
        return {};
    if (auto* e = qobject_cast<const QLineEdit*>(control))
        return e->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(control))
        return b->text();
    if (auto* l = qobject_cast<const QLabel*>(control))
        return l->text();
    if (auto* c = qobject_cast<const QComboBox*>(control))
        return c->currentIndex() >= 0 ? c->currentText() : QString();
    if (auto* g = qobject_cast<const QGroupBox*>(control))
        return g->title();
    return control->isWindow() ? control->windowTitle() : QString();
}

void CWnd::SetWindowTextOf(QWidget* control, const QString& text) {
    if (!control)
        return;
    if (auto* e = qobject_cast<EditControl*>(control)) {
        e->SetTextNotifying(text);
    } else if (auto* le = qobject_cast<QLineEdit*>(control)) {
        le->setText(text);
    } else if (auto* b = qobject_cast<QAbstractButton*>(control)) {
        b->setText(text);
    } else if (auto* l = qobject_cast<QLabel*>(control)) {
        l->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(control)) {
        g->setTitle(text);
    } else if (control->isWindow()) {
        control->setWindowTitle(text);
    }
}

QString CWnd::GetDlgItemText(int id) const {
    return WindowTextOf(GetDlgItem(id));
}
void CWnd::SetDlgItemText(int id, const QString& text) {
    SetWindowTextOf(GetDlgItem(id), text);
}

long long CWnd::GetDlgItemInt(int id, bool* translated, bool isSigned) const {
    if (translated)
        *translated = false;
    QString text = GetDlgItemText(id);
    // Leading blanks are skipped; anything but digits after the sign makes it no number.
    static const QRegularExpression pattern(QStringLiteral("^\\s*(-?)(\\d+)$"));
    auto m = pattern.match(text);
    if (!m.hasMatch() || (!isSigned && !m.captured(1).isEmpty()))
        return 0;
    bool ok = false;
    qulonglong magnitude = m.captured(2).toULongLong(&ok);
    if (!ok)
        return 0;
    long long value = 0;
    if (isSigned) {
        if (m.captured(1).isEmpty() ? magnitude > 2147483647ULL : magnitude > 2147483648ULL)
            return 0;
        value =
            m.captured(1).isEmpty() ? static_cast<long long>(magnitude) : -static_cast<long long>(magnitude);
    } else {
        if (magnitude > 4294967295ULL)
            return 0;
        value = static_cast<long long>(magnitude);
    }
    if (translated)
        *translated = true;
    return value;
}

void CWnd::SetDlgItemInt(int id, long long value) {
    SetDlgItemText(id, QString::number(value));
}

bool CWnd::IsDlgButtonChecked(int id) const {
    auto* b = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    return b && b->isChecked();
}

void CWnd::CheckDlgButton(int id, bool checked) {
    if (auto* b = qobject_cast<QAbstractButton*>(GetDlgItem(id)))
        b->setChecked(checked);
}

void CWnd::SetWindowText(const QString& text) {
    SetWindowTextOf(m_widget, text);
}
QString CWnd::GetWindowText() const {
    return WindowTextOf(m_widget);
}

void CWnd::ShowWindow(bool show) {
    if (m_widget)
        m_widget->setVisible(show);
}
bool CWnd::IsWindowVisible() const {
    return m_widget && m_widget->isVisible();
}
void CWnd::EnableWindow(bool enable) {
    if (m_widget)
        m_widget->setEnabled(enable);
}
bool CWnd::IsWindowEnabled() const {
    return m_widget && m_widget->isEnabled();
}

QWidget* CWnd::GetFocus() {
    return QApplication::focusWidget();
}
void CWnd::SetFocus(QWidget* control) {
    if (control)
        control->setFocus(Qt::OtherFocusReason);
}
void CWnd::SetFocus() {
    SetFocus(m_widget);
}
