#include "bench/ProgramRuns.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

namespace bench {

bool Succeeds(const QString& program, const QStringList& arguments, const QString& server) {
    QProcess process;
    if (!server.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), server);
        process.setProcessEnvironment(environment);
    }
    process.start(program, arguments);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    benchmark::DoNotOptimize(process.readAll());
    return ok;
}

std::map<std::string, double>& Seconds() {
    static std::map<std::string, double> seconds;
    return seconds;
}

void TimeEach(benchmark::State& state, const std::string& name, const std::function<bool()>& once) {
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        if (!once()) {
            state.SkipWithError((name + " failed").c_str());
            return;
        }
    }
    Seconds()[name] = timer.nsecsElapsed() / 1e9 / static_cast<double>(state.iterations());
}

}  // namespace bench
