#include "pages/CPage_MSW1.h"

namespace {
const MswLayout kLayout{
    res::IDD_MSW1,
    4,
    {{{MswSwitch::Country, 1010},
      {MswSwitch::PartOfCountry},
      {MswSwitch::PartOfCountry},
      {MswSwitch::Radio, 1007},
      {MswSwitch::Radio, 1016},
      {MswSwitch::Radio, 1008},
      {MswSwitch::Radio, 1011},
      {MswSwitch::Radio, 1014}}},
    {1007, 1008, 1009, 1010, 1011, 1012, 1014, 1015, 1016, 1234, 1235},
};
}  // namespace

CPage_MSW1::CPage_MSW1() : MswPage(kLayout) {}
