// This program is built without the run path that leads the others to the
// HTTP module, as if the module were missing from an installation.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "standin_service.h"
#include "submit/registration.h"

namespace tavimor {
namespace {

// Without the module, a submission fails as a connection failure does, with
// the reason for the log, sends nothing, and never brings the program down.
TEST(HttpModule, MissingItFailsTheExchangeAsAConnectionFailure) {
    standin::Scenario scenario;
    scenario.page = standin::idPage();
    standin::StandinService service(scenario);
    const ExchangeResult result = RunRegistrationExchange(SiteProfile{}, service.hostAndPort());
    EXPECT_TRUE(result.failed && !result.stopped);
    EXPECT_THAT(result.errorDetail,
                testing::StartsWith(
                    "the HTTP module tavimor-http.so is in none of the program's library folders"));
    EXPECT_TRUE(service.requests().empty());
    std::vector<std::string> shown;
    ReportRegistrationOutcome(
        result, [&shown](const TranslatableText& text) { shown.push_back(text.english()); });
    EXPECT_THAT(shown, testing::ElementsAre("Error Connecting....Please try again!",
                                            "There was an error.  Please check your data and try "
                                            "again."));
}

}  // namespace
}  // namespace tavimor
