// Profile writing and reading, for a form as people fill it in and for one
// near the largest a profile may be (25 fields of 80,000 bytes). Besides the time, each benchmark
// reports the heap growth of one operation at its worst moment, beside the file's size.
//
// RoundTrip/large holds the encoded bytes and the decoded record at once; the
// allocator hands that memory back to the kernel after every iteration, so
// its time is mostly fresh pages being faulted in, as on a first save and
// load. Encode and Decode alone reuse their memory and show the codec's own
// cost.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "heap_meter.h"
#include "profile/profile_codec.h"
#include "profile/profile_fields.h"
#include "profile/profile_file.h"
#include "profile/recovery_copy.h"

namespace tavimor {
namespace {

SiteProfile typicalProfile() {
    SiteProfile p;
    p.user_name = "Ann Example";
    p.email = "ann@example.org";
    p.password = "correct horse battery";
    p.site_name = "Ann's Garden Pages";
    p.site_URL = "http://www.example.org/garden/";
    p.logo_location = "http://www.example.org/garden/images/logo-175x60.gif";
    p.logo_href = "http://www.example.org/garden/index.html";
    p.bg_colour = "Light Wood";
    p.alink_colour = "Red";
    p.link_colour = "Steel Blue";
    p.sbar_colour = "Forest Green";
    p.sbartxt_colour = "White";
    p.vlink_colour = "Purple";
    p.link1_title = "Roses";
    p.link2_title = "Vegetables";
    p.link3_title = "Tools";
    p.link4_title = "Contact";
    p.link1_url = "http://www.example.org/garden/roses.html";
    p.link2_url = "http://www.example.org/garden/vegetables.html";
    p.link3_url = "http://www.example.org/garden/tools.html";
    p.link4_url = "http://www.example.org/garden/contact.html";
    p.country = "GB";
    p.category = "Home and Garden";
    p.query2 = "gardening";
    p.category_num = "All Categories";
    return p;
}

SiteProfile largeProfile() {
    SiteProfile p;
    char fill = 'a';
    for (const ProfileField& field : kProfileFields) (p.*field.member).assign(80'000, fill++);
    return p;
}

// Runs `operation` once outside the timed loop and records what it cost the heap.
template <typename Operation>
void reportPeak(benchmark::State& state, std::size_t fileBytes, Operation operation) {
    const testing::HeapMeter heap;
    benchmark::DoNotOptimize(operation());
    const double peak = static_cast<double>(heap.peakGrowth());
    state.counters["file_bytes"] = static_cast<double>(fileBytes);
    state.counters["peak_heap_bytes"] = peak;
    state.counters["peak_per_file_byte"] = peak / static_cast<double>(fileBytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fileBytes));
}

void Encode(benchmark::State& state, SiteProfile (*make)()) {
    const SiteProfile profile = make();
    for (auto _ : state) benchmark::DoNotOptimize(encodeProfile(profile));
    reportPeak(state, encodeProfile(profile).value().size(),
               [&] { return encodeProfile(profile); });
}

void Decode(benchmark::State& state, SiteProfile (*make)()) {
    const std::string bytes = encodeProfile(make()).value();
    for (auto _ : state) benchmark::DoNotOptimize(decodeProfile(bytes));
    reportPeak(state, bytes.size(), [&] { return decodeProfile(bytes); });
}

void RoundTrip(benchmark::State& state, SiteProfile (*make)()) {
    const SiteProfile profile = make();
    const auto roundTrip = [&] { return decodeProfile(encodeProfile(profile).value()); };
    for (auto _ : state) benchmark::DoNotOptimize(roundTrip());
    reportPeak(state, encodeProfile(profile).value().size(), roundTrip);
}

void ReadFile(benchmark::State& state, SiteProfile (*make)()) {
    std::string name = (std::filesystem::temp_directory_path() / "tavimor-bench-XXXXXX").string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        state.SkipWithError("cannot create a temporary file");
        return;
    }
    ::close(fd);
    const std::string bytes = encodeProfile(make()).value();
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
    for (auto _ : state) benchmark::DoNotOptimize(readProfileFile(name));
    reportPeak(state, bytes.size(), [&] { return readProfileFile(name); });
    std::filesystem::remove(name);
}

// The recovery copy as it is written a second after an edit: the whole
// atomic write, with its syncs to the disk.
void WriteRecoveryCopy(benchmark::State& state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("tavimor-bench-recovery-" + std::to_string(::getpid()));
    RecoveryCopy copy(folder);
    const SiteProfile profile = typicalProfile();
    for (auto _ : state) benchmark::DoNotOptimize(copy.write(profile));
    copy.remove();
    std::filesystem::remove_all(folder);
}

BENCHMARK(WriteRecoveryCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Encode, typical, typicalProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Decode, typical, typicalProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RoundTrip, typical, typicalProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadFile, typical, typicalProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Encode, large, largeProfile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, large, largeProfile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RoundTrip, large, largeProfile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadFile, large, largeProfile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavimor

BENCHMARK_MAIN();
