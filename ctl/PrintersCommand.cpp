#include "ctl/Commands.h"
#include "ctl/Output.h"

int ctl::Printers(const QStringList&) {
    Error(QStringLiteral("printers: not built yet"));
    return kRefused;
}
