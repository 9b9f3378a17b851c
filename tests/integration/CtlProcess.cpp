#include "tests/integration/CtlProcess.h"

#include <gtest/gtest.h>

#include <QJsonDocument>

namespace testing_support {

void StartCtl(QProcess& process, const QStringList& arguments) {
    process.start(QStringLiteral(BMK540CTL_EXE), arguments);
}

Ctl Finish(QProcess& process, int limitMs) {
    if (!process.waitForFinished(limitMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "bmk540ctl " << process.arguments().join(' ').toStdString() << " hung";
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

Ctl RunCtl(const QStringList& arguments, int limitMs) {
    QProcess process;
    StartCtl(process, arguments);
    return Finish(process, limitMs);
}

QJsonObject JsonReport(const Ctl& run) {
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8());
    EXPECT_TRUE(document.isObject() && document["printers"].isArray() && document["schedulers"].isArray())
        << run.out.toStdString() << run.err.toStdString();
    return document.object();
}

QJsonArray JsonLines(const Ctl& run) {
    return JsonReport(run)["printers"].toArray();
}

}  // namespace testing_support
