// SPDX-License-Identifier: GPL-3.0-or-later
// The history of calculations: what recording costs the window's thread
// (handing a 20-million-digit entry over), what the history's thread then
// spends writing it, reading a 41-million-digit entry back for the fields,
// opening the history window on 1,000 entries, and the file's bytes a digit
// at 1, 20 and 100 million digits. Each run works in a temporary folder, on
// Qt's offscreen platform.
#include "window/history/history.h"
#include "window/history/history_window.h"
#include "window/history/store.h"

#include <QApplication>
#include <QFileInfo>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// `digits` digits, not all alike, as a power's result would be.
std::string number(std::int64_t digits) {
    std::string text;
    text.reserve(static_cast<std::size_t>(digits));
    for (std::int64_t i = 0; i < digits; ++i) {
        text += static_cast<char>('0' + (i * 7 + i / 10) % 10);
    }
    return text;
}

history::Entry powerEntry(std::string result) {
    history::Entry entry;
    entry.command = history::Command::Power;
    entry.a = "7";
    entry.b = "22000000";
    entry.result = std::move(result);
    entry.duration = std::chrono::milliseconds(2100);
    return entry;
}

const history::Limits Unlimited{1'000'000, 1'000'000};

// The processor time this thread has used.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void silent(const QString&) {}

// The window's thread: record() with the entry's texts moved in.
void recordHandOver(benchmark::State& state) {
    QTemporaryDir folder;
    history::History history({folder.path(), folder.filePath("settings.ini")});
    const std::string result = number(state.range(0) * 1'000'000);
    double cpu = 0;
    for (auto _ : state) {
        history::Entry entry = powerEntry(result); // the calculation's texts, made before
        const double cpuBefore = threadSeconds();
        const auto start = Clock::now();
        history.record(std::move(entry));
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        cpu += threadSeconds() - cpuBefore;
        history.waitUntilWritten();
    }
    // On a busy machine the wall time also counts the moments when the
    // history's thread, woken, took the processor from this one.
    state.counters["thread_cpu_ms"] = 1000 * cpu / double(state.iterations());
}

// The history's thread: one entry packed and written in its transaction.
void writeEntry(benchmark::State& state) {
    QTemporaryDir folder;
    history::Store store(folder.path(), silent);
    store.open();
    const history::Entry entry = powerEntry(number(state.range(0) * 1'000'000));
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.add(entry, Unlimited));
    }
}

// The history's thread: an entry read back whole and made into the texts
// that the fields take.
void readForPutBack(benchmark::State& state) {
    QTemporaryDir folder;
    history::Store store(folder.path(), silent);
    const auto id = store.add(powerEntry(number(state.range(0) * 1'000'000)), Unlimited);
    for (auto _ : state) {
        const std::optional<history::StoredEntry> entry = store.read(*id);
        benchmark::DoNotOptimize(entry->result.qstring());
    }
}

// The window's thread: the history window made, filled with its first rows
// and painted, over 1,000 entries of 10,000 digits each and one of
// 18,592,157.
void openWindow(benchmark::State& state) {
    QTemporaryDir folder;
    {
        history::Store store(folder.path(), silent);
        store.add(powerEntry(number(18'592'157)), Unlimited);
        for (int i = 1; i < state.range(0); ++i) {
            store.add(powerEntry(number(10'000 + i)), Unlimited);
        }
    }
    history::History history({folder.path(), folder.filePath("settings.ini")});
    for (auto _ : state) {
        QWidget owner;
        const auto start = Clock::now();
        history::HistoryWindow window(history, &owner);
        window.showNewest();
        window.show();
        window.grab();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

// The file's size, its -wal gone, over the result's digits.
void bytesPerDigit(benchmark::State& state) {
    const std::int64_t digits = state.range(0) * 1'000'000;
    const history::Entry entry = powerEntry(number(digits));
    double ratio = 0;
    for (auto _ : state) {
        QTemporaryDir folder;
        {
            history::Store store(folder.path(), silent);
            store.add(entry, Unlimited);
        }
        ratio = double(QFileInfo(folder.filePath("historique.sqlite")).size()) / double(digits);
    }
    state.counters["bytes_per_digit"] = ratio;
}

void milliseconds(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(recordHandOver)->Arg(20)->Iterations(20)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(writeEntry)->Arg(20)->Arg(100)->Iterations(5)->Apply(milliseconds);
BENCHMARK(readForPutBack)->Arg(41)->Iterations(5)->Apply(milliseconds);
BENCHMARK(openWindow)->Arg(1000)->Iterations(5)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(bytesPerDigit)->Arg(1)->Arg(20)->Arg(100)->Iterations(1)->Apply(milliseconds);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
