#include "pages/CPage_MSW3.h"

namespace {
const MswLayout kLayout{
    res::IDD_MSW3,
    2,
    {{{MswSwitch::Hidden},
      {MswSwitch::Radio, 1031},
      {MswSwitch::Radio, 1027},
      {MswSwitch::Radio, 1029},
      {MswSwitch::Radio, 1028},
      {MswSwitch::Hidden},
      {MswSwitch::Check, 1026},
      {MswSwitch::Radio, 1030}}},
    {1009, 1015, 1018, 1026, 1027, 1028, 1029, 1030, 1031, 1235, 1236},
};
}  // namespace

CPage_MSW3::CPage_MSW3() : MswPage(kLayout) {}
