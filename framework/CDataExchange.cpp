#include "framework/CDataExchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringEncoder>

#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "framework/ComboControl.h"
#include "framework/Services.h"
#include "framework/TrackbarControl.h"
#include "res/StringTable.h"

namespace {

void ShowExchangeMessage(CDataExchange* pDX, const QString& text) {
    MessageBox(pDX->m_pDlgWnd, text, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
}

QString TableString(int id) {
    return QString::fromUtf8(res::LoadStringUtf8(id));
}

// "%d" the way the framework reads it: blanks, an optional sign, digits, blanks; nothing else.
bool ParseInt(const QString& text, int& value) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*([+-]?\\d+)\\s*$"));
    auto m = pattern.match(text);
    if (!m.hasMatch())
        return false;
    bool ok = false;
    long long v = m.captured(1).toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

QWidget* CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    m_bEditLastControl = false;
    return m_pDlgWnd->GetDlgItem(id);
}

QWidget* CDataExchange::PrepareEditCtrl(int id) {
    QWidget* w = PrepareCtrl(id);
    m_bEditLastControl = true;
    return w;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_idLastControl != 0) {
        if (QWidget* w = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(w); edit && m_bEditLastControl)
                edit->selectAll();
        }
    }
    throw DataExchangeFailure{};
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    QWidget* w = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        int parsed = 0;
        if (!ParseInt(CWnd::WindowTextOf(w), parsed)) {
            ShowExchangeMessage(pDX, TableString(res::AFX_IDP_PARSE_INT));
            pDX->Fail();
        }
        value = parsed;
    } else {
        // Only a different text is written, so an unchanged value raises no change notice.
        QString text = QString::number(value);
        if (CWnd::WindowTextOf(w) != text)
            CWnd::SetWindowTextOf(w, text);
    }
}

void DDX_Text(CDataExchange* pDX, int id, QString& value) {
    QWidget* w = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = CWnd::WindowTextOf(w);
    } else if (CWnd::WindowTextOf(w) != value) {
        CWnd::SetWindowTextOf(w, value);
    }
}

void DDX_CBString(CDataExchange* pDX, int id, QString& value) {
    QWidget* w = pDX->PrepareCtrl(id);
    auto* combo = qobject_cast<ComboControl*>(w);
    if (!combo)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = combo->currentIndex() >= 0 ? combo->currentText() : QString();
    } else if (!value.isEmpty()) {
        // A text that starts no item leaves the selection as it was.
        combo->SelectString(value);
    }
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    auto* first = qobject_cast<QAbstractButton*>(pDX->PrepareCtrl(firstId));
    if (!first)
        return;
    QButtonGroup* group = first->group();
    QList<QAbstractButton*> buttons = group ? group->buttons() : QList<QAbstractButton*>{first};
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (int i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                value = i;
                break;
            }
        }
    } else {
        // An exclusive group cannot show "none checked" unless exclusivity is lifted meanwhile.
        if (group)
            group->setExclusive(false);
        for (int i = 0; i < buttons.size(); ++i)
            buttons[i]->setChecked(i == value);
        if (group)
            group->setExclusive(true);
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    auto* button = qobject_cast<QAbstractButton*>(pDX->PrepareCtrl(id));
    if (!button)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = button->isChecked() ? 1 : 0;
    } else {
        button->setChecked(value == 1);
    }
}

void DDX_Slider(CDataExchange* pDX, int id, int& value) {
    auto* slider = qobject_cast<TrackbarControl*>(pDX->PrepareCtrl(id));
    if (!slider)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = slider->GetPos();
    } else {
        slider->SetPos(value);
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    QWidget* w = pDX->PrepareCtrl(id);
    if (w && control.GetSafeHwnd() != w)
        control.AttachControl(w);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue) {
    if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    QString text = TableString(res::AFX_IDP_PARSE_INT_RANGE)
                       .replace(QStringLiteral("%1"), QString::number(minValue))
                       .replace(QStringLiteral("%2"), QString::number(maxValue));
    ShowExchangeMessage(pDX, text);
    pDX->Fail();
}

int ShiftJisLength(const QString& text) {
    QStringEncoder encoder("Shift_JIS");
    if (!encoder.isValid())
        return static_cast<int>(text.toLocal8Bit().size());
    QByteArray bytes = encoder.encode(text);
    return static_cast<int>(bytes.size());
}

void DDV_MaxChars(CDataExchange* pDX, const QString& value, int maxBytes) {
    // No character takes more than two bytes in Shift_JIS: short texts need no encoding.
    if (!pDX->m_bSaveAndValidate || value.size() * 2 <= maxBytes || ShiftJisLength(value) <= maxBytes)
        return;
    ShowExchangeMessage(
        pDX,
        TableString(res::AFX_IDP_PARSE_STRING_SIZE).replace(QStringLiteral("%1"), QString::number(maxBytes)));
    pDX->Fail();
}
