// How long the Registrations window takes to appear over a record of 10,000
// registrations: from an open record, as when the record stays open; and
// with the record's opening (its quick check) as well. The record is on the
// disk of the temporary folder.
#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include "form/password_keeper.h"
#include "form/registrations_window.h"
#include "qt_bench.h"
#include "registration_samples.h"

namespace tavimor {
namespace {

using testing_support::fillRecord;
using testing_support::ScratchFolder;

constexpr int kLargeRecord = 10000;

void showWindow(RegistrationStore& store, benchmark::State& state) {
    SilentPrompts prompts;
    PasswordKeeper keeper;
    RegistrationsWindow window(store, keeper, prompts);
    window.show();
    QCoreApplication::processEvents();  // lets the first paint happen
    if (window.table()->model()->rowCount() != kLargeRecord) {
        state.SkipWithError("the window did not list the 10,000 registrations");
    }
}

void RegistrationsWindowOverTenThousand(benchmark::State& state) {
    const ScratchFolder scratch;
    if (const std::string failed = fillRecord(scratch.path(), kLargeRecord, 1'800'000'000);
        !failed.empty()) {
        return state.SkipWithError(failed.c_str());
    }
    StoreResult<RegistrationStore> store = RegistrationStore::open(scratch.path());
    if (!store) return state.SkipWithError(store.error().reason.c_str());
    for (auto _ : state) showWindow(store.value(), state);
}
BENCHMARK(RegistrationsWindowOverTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

void RecordAndWindowOverTenThousand(benchmark::State& state) {
    const ScratchFolder scratch;
    if (const std::string failed = fillRecord(scratch.path(), kLargeRecord, 1'800'000'000);
        !failed.empty()) {
        return state.SkipWithError(failed.c_str());
    }
    for (auto _ : state) {
        StoreResult<RegistrationStore> store = RegistrationStore::open(scratch.path());
        if (!store) return state.SkipWithError(store.error().reason.c_str());
        showWindow(store.value(), state);
    }
}
BENCHMARK(RecordAndWindowOverTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tavimor
