#include "pages/CPage_MSW4.h"

namespace {
const MswLayout kLayout{
    res::IDD_MSW4,
    3,
    {{{MswSwitch::Radio, 1031},
      {MswSwitch::Hidden},
      {MswSwitch::Radio, 1033},
      {MswSwitch::Radio, 1034},
      {MswSwitch::Radio, 1035},
      {MswSwitch::Hidden},
      {MswSwitch::Hidden},
      {MswSwitch::Radio, 1039}}},
    {1009, 1015, 1031, 1033, 1034, 1035, 1039, 1235, 1236, 1237},
};
}  // namespace

CPage_MSW4::CPage_MSW4() : MswPage(kLayout) {}
