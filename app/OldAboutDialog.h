#pragma once
#include "framework/CDialog.h"
#include "res/ResourceIds.h"

// The version box: the model, the product name and the version; it closes with OK.
class OldAboutDialog : public CDialog {
public:
    OldAboutDialog() : CDialog(res::IDD_ABOUTBOX) {}
};
