#pragma once
// What the benchmarks that time whole programs share: running one, and the seconds each benchmark
// took per iteration, for the comparisons they print at the end.
#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <string>

namespace bench {

// Whether the program ran and exited 0; its output is read and dropped. A server, when given, is
// the program's CUPS_SERVER.
bool Succeeds(const QString& program, const QStringList& arguments, const QString& server = {});

// Seconds per iteration of each benchmark, by name.
std::map<std::string, double>& Seconds();

// Times `once` over the benchmark's iterations into Seconds()[name]; stops with an error when a
// run fails.
void TimeEach(benchmark::State& state, const std::string& name, const std::function<bool()>& once);

}  // namespace bench
