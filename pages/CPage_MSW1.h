#pragma once
#include "pages/MswPage.h"

// Memory switch 1.
class CPage_MSW1 : public MswPage {
public:
    CPage_MSW1();
};
