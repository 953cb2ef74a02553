// The record of registrations on the disk the temporary folder is on:
// keeping one registration, synced before it returns as every keeping is;
// opening a record of 10,000 (its quick check included); listing them
// whole (as an export does) and as the window lists them.

#include <benchmark/benchmark.h>

#include "registration_samples.h"
#include "registrations/registration_store.h"

namespace tavimor {
namespace {

using testing_support::fillRecord;
using testing_support::sampleRegistration;
using testing_support::ScratchFolder;

constexpr int kLargeRecord = 10000;

void KeepOneRegistration(benchmark::State& state) {
    const ScratchFolder scratch;
    StoreResult<RegistrationStore> store = RegistrationStore::open(scratch.path());
    if (!store) return state.SkipWithError(store.error().reason.c_str());
    int n = 0;
    for (auto _ : state) {
        if (!store.value().add(sampleRegistration(++n))) {
            return state.SkipWithError("a registration could not be kept");
        }
    }
}
BENCHMARK(KeepOneRegistration)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenTenThousand(benchmark::State& state) {
    const ScratchFolder scratch;
    if (const std::string failed = fillRecord(scratch.path(), kLargeRecord, 1'800'000'000);
        !failed.empty()) {
        return state.SkipWithError(failed.c_str());
    }
    for (auto _ : state) {
        StoreResult<RegistrationStore> store = RegistrationStore::open(scratch.path());
        if (!store) return state.SkipWithError(store.error().reason.c_str());
    }
}
BENCHMARK(OpenTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

void ListTenThousand(benchmark::State& state) {
    const ScratchFolder scratch;
    if (const std::string failed = fillRecord(scratch.path(), kLargeRecord, 1'800'000'000);
        !failed.empty()) {
        return state.SkipWithError(failed.c_str());
    }
    StoreResult<RegistrationStore> store = RegistrationStore::open(scratch.path());
    if (!store) return state.SkipWithError(store.error().reason.c_str());
    for (auto _ : state) {
        StoreResult<std::vector<Registration>> rows = store.value().list();
        if (!rows || rows.value().size() != kLargeRecord) {
            return state.SkipWithError("the record did not list its 10,000 registrations");
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(ListTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

void SummarizeTenThousand(benchmark::State& state) {
    const ScratchFolder scratch;
    if (const std::string failed = fillRecord(scratch.path(), kLargeRecord, 1'800'000'000);
        !failed.empty()) {
        return state.SkipWithError(failed.c_str());
    }
    StoreResult<RegistrationStore> store = RegistrationStore::open(scratch.path());
    if (!store) return state.SkipWithError(store.error().reason.c_str());
    for (auto _ : state) {
        StoreResult<std::vector<RegistrationSummary>> rows = store.value().summaries();
        if (!rows || rows.value().size() != kLargeRecord) {
            return state.SkipWithError("the record did not list its 10,000 registrations");
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(SummarizeTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavimor

BENCHMARK_MAIN();
