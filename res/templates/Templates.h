#pragma once
#include "res/DialogTemplate.h"

namespace res {

// One function per dialog resource, each in its own file.
const DialogTemplate& Dialog100();  // about box
const DialogTemplate& Dialog102();  // main window
const DialogTemplate& Dialog129();  // MSW1
const DialogTemplate& Dialog130();  // MSW2
const DialogTemplate& Dialog131();  // MSW3
const DialogTemplate& Dialog132();  // MSW4
const DialogTemplate& Dialog133();  // parameter setting 1
const DialogTemplate& Dialog134();  // function select
const DialogTemplate& Dialog152();  // printer selection
const DialogTemplate& Dialog182();  // format settings
const DialogTemplate& Dialog183();  // parameter setting 2

}  // namespace res
