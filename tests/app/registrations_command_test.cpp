// `tavimor --registrations`: the record on standard output, or why not on
// the error output.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "app/registrations_command.h"
#include "registration_samples.h"
#include "registrations/registration_text.h"

namespace tavimor {
namespace {

using namespace testing_support;

struct Printed {
    int status;
    std::string out, err;
};

Printed print(const std::filesystem::path& folder) {
    char *out = nullptr, *err = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* outFile = ::open_memstream(&out, &outSize);
    std::FILE* errFile = ::open_memstream(&err, &errSize);
    const int status = printRegistrations(folder, outFile, errFile);
    std::fclose(outFile);
    std::fclose(errFile);
    Printed printed{status, std::string(out, outSize), std::string(err, errSize)};
    std::free(out);
    std::free(err);
    return printed;
}

// A record: its lines, newest first. A damaged record: why, on the error
// output, exit 1, and the file left as it was. (No record at all: the
// command line's own test, through the program.)
TEST(RegistrationsCommand, PrintsTheRecordNewestFirstOrSaysWhyNot) {
    const ScratchFolder scratch;
    const std::filesystem::path folder = scratch.path() / "Tavimor";
    const Registration older = sampleRegistration(1, "2026-12-06T09:00:00+01:00");
    const Registration newer = sampleRegistration(2, "2026-12-07T09:00:00+01:00");
    {
        RegistrationStore store = RegistrationStore::open(folder).value();
        ASSERT_TRUE(store.add(older) && store.add(newer));
    }
    Printed printed = print(folder);
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, listingLine(summaryOf(newer)) + listingLine(summaryOf(older)));
    EXPECT_EQ(printed.err, "");

    const std::filesystem::path file = folder / RegistrationStore::kRecordFileName;
    { std::ofstream(file, std::ios::binary | std::ios::trunc) << std::string(4096, 'x'); }
    printed = print(folder);
    EXPECT_EQ(printed.status, 1);
    EXPECT_EQ(printed.out, "");
    EXPECT_EQ(printed.err, "tavimor: the registrations cannot be listed: the record " +
                               file.string() + " is damaged (file is not a database)\n");
    EXPECT_EQ(fileBytes(file), std::string(4096, 'x'));
}

}  // namespace
}  // namespace tavimor
