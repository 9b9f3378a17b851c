// The data check with all seven pages, and one send through a private CUPS scheduler compared with
// `lp -o raw` of the same 190 bytes to the same queue.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryFile>

#include "app/MainWindow.h"
#include "platform/ModelPrinter.h"
#include "platform/PrinterSystem.h"
#include "platform/SettingsJob.h"
#include "settings/FactoryImage.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/InMemoryPrinterSystem.h"
#include "tests/support/PrivateCupsd.h"

namespace {

testing_support::InMemoryPrinter ModelPrinter() {
    testing_support::InMemoryPrinter p;
    p.name = "Quill";
    p.device = "USB001";
    p.makeAndModel = "ORV Quillstrike 540QZ7";
    return p;
}

void BM_DataCheck(benchmark::State& state) {
    testing_support::InMemoryPrinterSystem printers({ModelPrinter()});
    platform::SetPrinterSystemForTesting(&printers);
    MainWindow window;
    if (!window.start())
        return state.SkipWithError("no printer chosen");
    window.show();
    for (auto _ : state)
        window.dataCheck();
    platform::SetPrinterSystemForTesting(nullptr);
}
BENCHMARK(BM_DataCheck)->Repetitions(10)->ReportAggregatesOnly(true);

struct Scheduler {
    testing_support::PrivateCupsd cupsd;
    testing_support::CaptureListener printer;
    bool ok = false;
    Scheduler() {
        ok = cupsd.start() && cupsd.addQueue("Quill", QString::fromStdString(printer.deviceUri()),
                                             testing_support::PrivateCupsd::modelPpd());
    }
};

Scheduler& SharedScheduler() {
    static Scheduler scheduler;
    return scheduler;
}

void BM_SendThroughScheduler(benchmark::State& state) {
    if (!SharedScheduler().ok)
        return state.SkipWithError("no private cupsd");
    platform::PrinterSystem& spooler = platform::CurrentPrinterSystem();
    for (auto _ : state) {
        if (!platform::SendSettingsJob(spooler, "Quill",
                                       {settings::FactoryImage().data(), settings::kImageSize})
                 .accepted()) {
            state.SkipWithError("send failed");
        }
    }
}
BENCHMARK(BM_SendThroughScheduler)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_LpRaw(benchmark::State& state) {
    if (!SharedScheduler().ok)
        return state.SkipWithError("no private cupsd");
    QTemporaryFile file;
    file.open();
    file.write(reinterpret_cast<const char*>(settings::FactoryImage().data()), 190);
    file.flush();
    for (auto _ : state) {
        QProcess lp;
        lp.start("lp", {"-d", "Quill", "-o", "raw", "-t", "Brindlemark Status Write", file.fileName()});
        lp.waitForFinished();
        if (lp.exitCode() != 0)
            state.SkipWithError("lp failed");
    }
}
BENCHMARK(BM_LpRaw)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
