// How fast a reply streams through the line reader and the ID capture, and
// that the memory it needs does not grow with the reply. The reply is made
// piece by piece as it is fed, the way the network delivers it, so the
// benchmark itself holds only one page whatever the reply's size.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "submit/reply_capture.h"

namespace {

// A results page of the kind the service's site serves: markup, navigation,
// a table, "Yo" pairs in ordinary text, no marker.
std::string realisticPage() {
    std::string page =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n"
        "<html>\n<head>\n<title>Your search results</title>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
        "<style type=\"text/css\">body { font-family: Verdana, Arial; font-size: 10pt; }</style>\n"
        "</head>\n<body bgcolor=\"#FFFFFF\" link=\"#236B8E\" vlink=\"#2F2F4F\">\n"
        "<table width=\"100%\" border=\"0\" cellpadding=\"2\" cellspacing=\"0\">\n";
    for (int row = 0; row < 40; ++row) {
        page += "  <tr bgcolor=\"#00FFFF\"><td><a href=\"http://www.example.com/page" +
                std::to_string(row) + ".html\">Your favourite page number " + std::to_string(row) +
                "</a></td><td>You will find more on this topic here.</td></tr>\n";
    }
    page += "</table>\n<p>Yours truly, the search team.</p>\n</body>\n</html>\n";
    return page;
}

void BM_ReplyScan(benchmark::State& state) {
    const auto replyBytes = static_cast<std::size_t>(state.range(0)) << 20;
    constexpr std::size_t kPiece = 16 * 1024;  // what the HTTP client hands over at a time
    const std::string page = realisticPage();
    std::string pages;  // enough consecutive copies to cut any piece from
    while (pages.size() < kPiece + page.size()) pages += page;
    const std::string idLine = "<b>Your ID Code is : 48213</b><br>\n";
    // Whole pages only, so that the ID line starts a line of its own.
    const std::size_t bodyBytes =
        (replyBytes - idLine.size() - page.size()) / page.size() * page.size();
    const std::size_t totalBytes = bodyBytes + idLine.size() + page.size();

    for (auto _ : state) {
        tavimor::ReplyScanner scanner;
        std::size_t sent = 0;
        while (sent < bodyBytes) {
            const std::size_t n = std::min(kPiece, bodyBytes - sent);
            scanner.feed(std::string_view(pages).substr(sent % page.size(), n));
            sent += n;
        }
        // The marker near the end, then one more page: the scan must go on.
        scanner.feed(idLine);
        scanner.feed(page);
        scanner.finish();
        if (scanner.idCodeReply() != "Your ID Code is : 48213") {
            state.SkipWithError("the ID line was not captured");
            break;
        }
        benchmark::DoNotOptimize(scanner.idCodeReply().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(totalBytes));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_KiB"] = static_cast<double>(usage.ru_maxrss);
}

BENCHMARK(BM_ReplyScan)->Arg(64)->Arg(256)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
