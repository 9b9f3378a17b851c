#include "ctl/Commands.h"
#include "ctl/Output.h"

int ctl::Factory(const QStringList&) {
    Error(QStringLiteral("factory: not built yet"));
    return kRefused;
}
