#pragma once
#include <QString>

#include "pages/MswPage.h"

// Memory switch 1. MSW1-1 to MSW1-3 form a country code, shown as a name in a list.
class CPage_MSW1 : public MswPage {
public:
    CPage_MSW1();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ShowOwnSwitches() override;
    void TakeOwnSwitches() override;

private:
    QString m_country;
};
