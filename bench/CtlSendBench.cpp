// bmk540ctl against a private scheduler with 50 queues of the model, in one run: `send --all`
// timed against 50 sequential `lp -o raw` of the same file to the same queues, and `printers`
// over the 50 queues. The queues are stopped, so that each job is measured up to the scheduler
// taking it (as lp returns) without backends printing the previous round in the background.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "bench/ProgramRuns.h"
#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"
#include "tests/support/PrivateCupsd.h"

namespace {

using bench::Seconds;
using bench::Succeeds;
using testing_support::PrivateCupsd;

constexpr int kQueues = 50;
// A socket device nobody listens on; stopped queues never reach it.
const QString kDevice = QStringLiteral("socket://127.0.0.1:9");

QString QueueName(int i) {
    return QStringLiteral("Q%1").arg(i, 2, 10, QLatin1Char('0'));
}

class Scheduler {
public:
    Scheduler() {
        // Every job of every round stays queued: no limit on their number.
        if (!m_cupsd.start({"MaxJobs 0", "MaxJobsPerPrinter 0"})) {
            m_error = m_cupsd.lastError().toStdString();
            return;
        }
        for (int i = 0; i < kQueues; ++i) {
            if (!m_cupsd.addQueue(QueueName(i), kDevice, PrivateCupsd::modelPpd()) ||
                !m_cupsd.disable(QueueName(i))) {
                m_error = m_cupsd.lastError().toStdString();
                return;
            }
        }
        m_file = m_dir.filePath("settings.dat");
        if (settings::SaveSettingsFile(m_file.toStdString(), settings::FactoryImage()) !=
            settings::SaveResult::Saved)
            m_error = "cannot write the settings file";
    }
    const std::string& error() const { return m_error; }
    const QString& file() const { return m_file; }

private:
    PrivateCupsd m_cupsd;
    QTemporaryDir m_dir;
    QString m_file;
    std::string m_error;
};

Scheduler& TheScheduler() {
    static Scheduler scheduler;
    return scheduler;
}

bool Ready(benchmark::State& state) {
    if (!TheScheduler().error().empty()) {
        state.SkipWithError(("no private scheduler: " + TheScheduler().error()).c_str());
        return false;
    }
    return true;
}

void Measure(benchmark::State& state, const std::string& name, const std::function<bool()>& once) {
    if (Ready(state))
        bench::TimeEach(state, name, once);
}

void BM_CtlSendAll(benchmark::State& state) {
    Measure(state, "send", [] {
        return Succeeds(QStringLiteral(BMK540CTL_EXE), {"send", TheScheduler().file(), "--all"});
    });
}

void BM_LpRawSequential(benchmark::State& state) {
    Measure(state, "lp", [] {
        for (int i = 0; i < kQueues; ++i) {
            if (!Succeeds(QStringLiteral("lp"), {"-d", QueueName(i), "-o", "raw", TheScheduler().file()}))
                return false;
        }
        return true;
    });
}

void BM_CtlPrinters(benchmark::State& state) {
    Measure(state, "printers", [] { return Succeeds(QStringLiteral(BMK540CTL_EXE), {"printers"}); });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("CtlSendAll/50", BM_CtlSendAll)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::RegisterBenchmark("LpRawSequential/50", BM_LpRawSequential)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::RegisterBenchmark("CtlPrinters/50", BM_CtlPrinters)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& seconds = Seconds();
    if (seconds.contains("send") && seconds.contains("lp")) {
        std::printf(
            "send --all to %d queues: %.1f ms; %d sequential lp -o raw: %.1f ms; ratio %.3f (goal <= 0.3)\n",
            kQueues, seconds.at("send") * 1e3, kQueues, seconds.at("lp") * 1e3,
            seconds.at("send") / seconds.at("lp"));
    }
    if (seconds.contains("printers"))
        std::printf("printers over %d queues: %.1f ms (goal < 100)\n", kQueues, seconds.at("printers") * 1e3);
    return 0;
}
