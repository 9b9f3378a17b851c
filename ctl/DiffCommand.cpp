#include "ctl/Commands.h"
#include "ctl/Output.h"

int ctl::Diff(const QStringList&) {
    Error(QStringLiteral("diff: not built yet"));
    return kRefused;
}
