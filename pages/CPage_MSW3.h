#pragma once
#include "pages/MswPage.h"

// Memory switch 3.
class CPage_MSW3 : public MswPage {
public:
    CPage_MSW3();
};
