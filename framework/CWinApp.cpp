#include "framework/CWinApp.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
CWinApp* g_app = nullptr;

QString ExecutableBaseName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
}  // namespace

CWinApp::CWinApp() : m_pszAppName(ExecutableBaseName()) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

QString AfxGetAppName() {
    return g_app ? g_app->m_pszAppName : ExecutableBaseName();
}
