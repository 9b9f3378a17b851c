#pragma once
#include "framework/CDialog.h"

// A tab page: a child dialog created modeless inside its owner.
class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(int templateId) : CDialog(templateId) {}
};
