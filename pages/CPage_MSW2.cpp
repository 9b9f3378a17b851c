#include "pages/CPage_MSW2.h"

namespace {
const MswLayout kLayout{
    res::IDD_MSW2,
    1,
    {{{MswSwitch::Check, 1016},
      {MswSwitch::Radio, 1017},
      {MswSwitch::Radio, 1019},
      {MswSwitch::Hidden},
      {MswSwitch::Radio, 1020},
      {MswSwitch::Radio, 1021},
      {MswSwitch::Radio, 1022},
      {MswSwitch::Radio, 1024}}},
    {1012, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1024, 1234, 1235, 1236},
};
}  // namespace

CPage_MSW2::CPage_MSW2() : MswPage(kLayout) {}
