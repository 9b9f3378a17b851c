#include "app/PanelApp.h"

bool PanelApp::InitInstance() {
    return false;
}
