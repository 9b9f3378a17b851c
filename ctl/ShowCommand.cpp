#include "ctl/Commands.h"
#include "ctl/Output.h"

int ctl::Show(const QStringList&) {
    Error(QStringLiteral("show: not built yet"));
    return kRefused;
}
