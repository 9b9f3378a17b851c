#include "ctl/FieldText.h"
