#include "ctl/Schedulers.h"
