#include "ctl/Commands.h"
#include "ctl/Output.h"

int ctl::Check(const QStringList&) {
    Error(QStringLiteral("check: not built yet"));
    return kRefused;
}
