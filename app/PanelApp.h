#pragma once
#include "framework/CWinApp.h"

// The application object: one instance at a time, then the main window run modally.
class PanelApp : public CWinApp {
public:
    bool InitInstance() override;
};
