#pragma once
#include "pages/MswPage.h"

// Memory switch 4.
class CPage_MSW4 : public MswPage {
public:
    CPage_MSW4();
};
