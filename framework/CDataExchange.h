#pragma once
// Dialog data exchange between controls and members, with the validations and messages the
// program's users know: a failure shows its message, puts the focus on the control (selecting an
// edit's whole text) and stops the exchange there.
#include <QString>

class CDialog;
class CWnd;
class QWidget;

struct DataExchangeFailure {};

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
    int m_idLastControl = 0;
    bool m_bEditLastControl = false;

    QWidget* PrepareCtrl(int id);
    QWidget* PrepareEditCtrl(int id);
    // Shows nothing itself: moves the focus to the last control and stops the exchange.
    [[noreturn]] void Fail();
};

void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, QString& value);
void DDX_CBString(CDataExchange* pDX, int id, QString& value);
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
void DDX_Slider(CDataExchange* pDX, int id, int& value);
// Binds a control object to the control of that id.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
// Length limit counted in bytes of the Japanese ANSI code page (Shift_JIS).
void DDV_MaxChars(CDataExchange* pDX, const QString& value, int maxBytes);

// Bytes of a text in code page 932.
int ShiftJisLength(const QString& text);
