// bmk540ctl status --all over the model's queues spread over 4 private schedulers, 1,000 queues
// and 50, each queue with one completed settings job in its history; timed in the same run
// against `lpstat -W completed -o` on the same schedulers, one after the other.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <map>
#include <memory>

#include "bench/ProgramRuns.h"
#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"

namespace {

using bench::Seconds;
using bench::Succeeds;
using testing_support::CaptureListener;
using testing_support::PrivateCupsd;

constexpr int kSchedulers = 4;

// kSchedulers private schedulers with `queues` queues of the model between them, each of which has
// completed one settings job.
class Fleet {
public:
    explicit Fleet(int queues) : m_queues(queues) {
        m_file = m_dir.filePath("settings.dat");
        if (settings::SaveSettingsFile(m_file.toStdString(), settings::FactoryImage()) !=
            settings::SaveResult::Saved) {
            m_error = "cannot write the settings file";
            return;
        }
        const QString device = QString::fromStdString(m_printer.deviceUri());
        for (int s = 0; s < kSchedulers; ++s) {
            m_cupsd[s] = std::make_unique<PrivateCupsd>();
            if (!m_cupsd[s]->start({"MaxJobs 0", "PreserveJobFiles No"})) {
                m_error = m_cupsd[s]->lastError().toStdString();
                return;
            }
            for (int i = s; i < queues; i += kSchedulers) {
                if (!m_cupsd[s]->addQueue(QStringLiteral("Q%1").arg(i, 4, 10, QLatin1Char('0')), device,
                                          PrivateCupsd::modelPpd())) {
                    m_error = m_cupsd[s]->lastError().toStdString();
                    return;
                }
            }
        }
        QStringList send = {"send", m_file, "--all", "--wait", "600"};
        for (const auto& cupsd : m_cupsd)
            send << "--server" << cupsd->socketPath();
        QProcess process;
        process.start(QStringLiteral(BMK540CTL_EXE), send);
        if (!process.waitForFinished(700000) || process.exitCode() != 0)
            m_error = "the settings jobs did not all complete";
    }
    const std::string& error() const { return m_error; }
    int queues() const { return m_queues; }
    QStringList servers() const {
        QStringList servers;
        for (const auto& cupsd : m_cupsd)
            servers << "--server" << cupsd->socketPath();
        return servers;
    }
    QStringList sockets() const {
        QStringList sockets;
        for (const auto& cupsd : m_cupsd)
            sockets << cupsd->socketPath();
        return sockets;
    }

private:
    int m_queues;
    CaptureListener m_printer;
    QTemporaryDir m_dir;
    QString m_file;
    std::array<std::unique_ptr<PrivateCupsd>, kSchedulers> m_cupsd;
    std::string m_error;
};

Fleet& FleetOf(int queues) {
    static std::map<int, std::unique_ptr<Fleet>> fleets;
    auto& fleet = fleets[queues];
    if (!fleet)
        fleet = std::make_unique<Fleet>(queues);
    return *fleet;
}

void Measure(benchmark::State& state, const std::string& name,
             const std::function<bool(const Fleet&)>& once) {
    const Fleet& fleet = FleetOf(static_cast<int>(state.range(0)));
    if (!fleet.error().empty()) {
        state.SkipWithError(fleet.error().c_str());
        return;
    }
    bench::TimeEach(state, name + std::to_string(fleet.queues()), [&] { return once(fleet); });
}

void BM_CtlStatusAll(benchmark::State& state) {
    Measure(state, "status", [](const Fleet& fleet) {
        return Succeeds(QStringLiteral(BMK540CTL_EXE), QStringList{"status", "--all"} + fleet.servers());
    });
}

void BM_LpstatCompleted(benchmark::State& state) {
    Measure(state, "lpstat", [](const Fleet& fleet) {
        for (const QString& socket : fleet.sockets()) {
            if (!Succeeds(QStringLiteral("lpstat"), {"-W", "completed", "-o"}, socket))
                return false;
        }
        return true;
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (const int queues : {50, 1000}) {
        benchmark::RegisterBenchmark("CtlStatusAll", BM_CtlStatusAll)
            ->Arg(queues)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
        benchmark::RegisterBenchmark("LpstatCompleted", BM_LpstatCompleted)
            ->Arg(queues)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& s = Seconds();
    if (s.contains("status50") && s.contains("status1000")) {
        const double small = s.at("status50") / 50, large = s.at("status1000") / 1000;
        std::printf(
            "status --all: 1000 queues %.1f ms (goal <= 500), 50 queues %.1f ms; per queue at 1000 "
            "%.3f ms = %.2fx that at 50 (goal <= 1.2)\n",
            s.at("status1000") * 1e3, s.at("status50") * 1e3, large * 1e3, large / small);
    }
    if (s.contains("lpstat50") && s.contains("lpstat1000"))
        std::printf("lpstat -W completed -o on the 4 schedulers: 1000 queues %.1f ms, 50 queues %.1f ms\n",
                    s.at("lpstat1000") * 1e3, s.at("lpstat50") * 1e3);
    return 0;
}
