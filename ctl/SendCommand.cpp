#include "ctl/Commands.h"
#include "ctl/Output.h"

int ctl::Send(const QStringList&) {
    Error(QStringLiteral("send: not built yet"));
    return kRefused;
}
