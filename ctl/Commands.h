#pragma once
// The commands of bmk540ctl, each as it is declared (ctl/Command.h).
#include "ctl/Command.h"

namespace ctl {

Command ShowCommand();
Command DiffCommand();
Command CheckCommand();
Command FactoryCommand();
Command PrintersCommand();
Command SendCommand();

}  // namespace ctl
