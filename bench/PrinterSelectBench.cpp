// The printer selection dialog filled from a private scheduler with 50, 200 and 400 queues (one
// in ten of the model), timed against `lpstat -l -p` on the same scheduler in the same run.
// Queues are added with lpadmin as the sizes grow; the time that takes is reported as well.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTreeWidget>

#include "app/PrinterSelectDialog.h"
#include "platform/PrinterSystem.h"
#include "tests/support/PrivateCupsd.h"
#include "tests/support/ScriptedUser.h"

namespace {

using testing_support::PrivateCupsd;

// A socket device nobody listens on: the queues are listed, never printed to.
const QString kDevice = QStringLiteral("socket://127.0.0.1:9");

class GrowingScheduler {
public:
    GrowingScheduler() { m_ok = m_cupsd.start(); }
    bool ok() const { return m_ok; }
    QString lastError() const { return m_cupsd.lastError(); }

    // Adds queues until there are `count`; false when lpadmin fails.
    bool growTo(int count) {
        QElapsedTimer timer;
        timer.start();
        for (; m_queues < count; ++m_queues) {
            const bool model = m_queues % 10 == 0;
            const QString name = QStringLiteral("Q%1").arg(m_queues, 4, 10, QLatin1Char('0'));
            if (!m_cupsd.addQueue(name, kDevice,
                                  model ? PrivateCupsd::modelPpd() : PrivateCupsd::otherModelPpd())) {
                return m_ok = false;
            }
        }
        m_creationSeconds[count] = timer.nsecsElapsed() / 1e9;
        return true;
    }
    double creationSeconds(int count) const { return m_creationSeconds.at(count); }

private:
    PrivateCupsd m_cupsd;
    bool m_ok = false;
    int m_queues = 0;
    std::map<int, double> m_creationSeconds;
};

GrowingScheduler& Scheduler() {
    static GrowingScheduler scheduler;
    return scheduler;
}

bool Ready(benchmark::State& state, int queues) {
    GrowingScheduler& scheduler = Scheduler();
    if (!scheduler.ok() || !scheduler.growTo(queues)) {
        state.SkipWithError(("no private scheduler: " + scheduler.lastError().toStdString()).c_str());
        return false;
    }
    return true;
}

void BM_PrinterSelectFill(benchmark::State& state, int queues) {
    if (!Ready(state, queues))
        return;
    platform::SetPrinterSystemForTesting(nullptr);
    ScriptedUser user;
    int rows = 0;
    for (auto _ : state) {
        PrinterSelectDialog dialog;
        dialog.startupDone = true;
        user.driveDialog([&](QDialog& shown) {
            rows = shown.findChild<QTreeWidget*>(QStringLiteral("printerList"))->topLevelItemCount();
            shown.reject();
        });
        dialog.run();
    }
    if (rows != queues / 10)
        state.SkipWithError("the dialog did not offer the model's queues");
    state.counters["rows"] = rows;
    state.counters["lpadmin_s"] = Scheduler().creationSeconds(queues);
}

void BM_LpstatLongPrinters(benchmark::State& state, int queues) {
    if (!Ready(state, queues))
        return;
    for (auto _ : state) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-l"), QStringLiteral("-p")});
        if (!lpstat.waitForFinished() || lpstat.exitCode() != 0)
            state.SkipWithError("lpstat failed");
        benchmark::DoNotOptimize(lpstat.readAllStandardOutput());
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // Sizes in growing order, each measured both ways before the scheduler grows.
    for (int queues : {50, 200, 400}) {
        benchmark::RegisterBenchmark(("PrinterSelectFill/" + std::to_string(queues)).c_str(),
                                     BM_PrinterSelectFill, queues)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
        benchmark::RegisterBenchmark(("LpstatLongPrinters/" + std::to_string(queues)).c_str(),
                                     BM_LpstatLongPrinters, queues)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
