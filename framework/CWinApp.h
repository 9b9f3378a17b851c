#pragma once
#include <QString>

class CWnd;

// The application object: its name is the executable's base name.
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    virtual bool InitInstance() { return false; }

    QString m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The application name; without an application object, the executable's base name.
QString AfxGetAppName();
