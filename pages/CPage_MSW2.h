#pragma once
#include "pages/MswPage.h"

// Memory switch 2.
class CPage_MSW2 : public MswPage {
public:
    CPage_MSW2();
};
