// The reply body as it may arrive from the network, fed to the line reader
// and the ID capture in pieces of arbitrary sizes. Each run checks that
//  - the lines and the capture are the same whether the body came in one
//    piece, byte by byte, or split at random points;
//  - all of them match a plain reading of the rules written here: lines end
//    at a line feed, a carriage return before it is dropped, only a line's
//    first MiB counts; in a marker line each "Yo" starts a capture up to the
//    next "<"; no more than 64 KiB is kept;
//  - an abandoned body keeps the lines and captures of its complete lines;
//  - the reader never holds more than one line's limit.
//
// Input: the last bytes choose the split, whether the body is abandoned, and
// how the body is made of the rest: mostly the bytes as they are; now and
// then a head, a unit repeated and a tail, the unit either padding the head
// to a few bytes either side of the reader's line limit or repeated up to
// 96 KiB, past what the capture keeps. The large bodies are rare so that
// the many small ones stay fast.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "submit/reply_capture.h"

namespace {

using namespace tavimor;

constexpr std::size_t kLineLimit = ReplyLineReader::kMaxLineBytes;
constexpr std::size_t kCaptureLimit = IdCodeCapture::kMaxCaptureBytes;
constexpr std::size_t kMaxRepeated = 96 * 1024;  // a little past kCaptureLimit
constexpr std::uint8_t kNearTheLimit = 15;
constexpr std::uint8_t kRepeated = 14;

// What the rules say `body` yields: its lines as views into it, and the
// capture, read over the whole body at once.
struct Expected {
    std::vector<std::string_view> lines;
    std::string capture;
};

FUZZ_ORACLE std::vector<std::string_view> plainLines(std::string_view body) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = body.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        std::string_view line = body.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line.substr(0, kLineLimit));
    }
    if (start < body.size()) lines.push_back(body.substr(start, kLineLimit));
    return lines;
}

FUZZ_ORACLE std::string plainCapture(const std::vector<std::string_view>& lines) {
    std::string capture;
    for (std::string_view line : lines) {
        if (line.find("Your ID Code is :") == std::string_view::npos) continue;
        std::size_t i = 0;
        while (i < line.size()) {
            if (line[i] == 'Y' && i + 1 < line.size() && line[i + 1] == 'o') {
                std::size_t j = i;
                for (; j < line.size() && line[j] != '<'; ++j) {
                    if (capture.size() < kCaptureLimit) capture.push_back(line[j]);
                }
                i = j + 1;  // past the "<", or past the end
            } else {
                ++i;
            }
        }
    }
    return capture;
}

FUZZ_ORACLE Expected plainReading(std::string_view body) {
    Expected expected{plainLines(body), {}};
    expected.capture = plainCapture(expected.lines);
    return expected;
}

// A small generator, so that one input seeds a whole split sequence.
struct SplitMix {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
};

// Feeds `body` in the pieces `pieceSize()` picks through a reader and a
// scanner, as the exchange would, and compares every line as it comes (no
// copies: a line may be a MiB long) and the capture at the end.
template <class PieceSize>
void feedAndCompare(const char* how, std::string_view body, PieceSize&& pieceSize, bool abandon,
                    const Expected& expected) {
    std::size_t lineCount = 0;
    const auto compare = [&](std::string_view line) {
        FUZZ_CHECK(lineCount < expected.lines.size(), "%s: an extra line %zu", how, lineCount + 1);
        FUZZ_CHECK(line == expected.lines[lineCount], "%s: line %zu has %zu bytes, expected %zu",
                   how, lineCount + 1, line.size(), expected.lines[lineCount].size());
        ++lineCount;
    };
    ReplyLineReader reader;
    ReplyScanner scanner;
    for (std::size_t at = 0; at < body.size();) {
        const std::string_view piece = body.substr(at, pieceSize());
        reader.feed(piece, compare);
        scanner.feed(piece);
        FUZZ_CHECK(reader.pendingBytes() <= kLineLimit && scanner.pendingBytes() <= kLineLimit,
                   "%s: %zu bytes held back for one line", how, reader.pendingBytes());
        at += piece.size();
    }
    if (abandon) {
        reader.discardPartialLine();
        scanner.abandon();
        FUZZ_CHECK(reader.pendingBytes() == 0 && scanner.pendingBytes() == 0,
                   "%s: bytes held after abandoning", how);
    } else {
        reader.finish(compare);
        scanner.finish();
    }
    FUZZ_CHECK(lineCount == expected.lines.size(), "%s: %zu lines, expected %zu", how, lineCount,
               expected.lines.size());
    FUZZ_CHECK(scanner.idCodeReply() == expected.capture, "%s: captured %zu bytes, expected %zu",
               how, scanner.idCodeReply().size(), expected.capture.size());
}

std::string makeBody(FuzzedDataProvider& input) {
    const std::uint8_t shape = input.ConsumeIntegral<std::uint8_t>() % 16;
    if (shape != kNearTheLimit && shape != kRepeated) return input.ConsumeRemainingBytesAsString();

    const int offset = input.ConsumeIntegralInRange(-3, 3);
    const std::uint32_t repeats = input.ConsumeIntegralInRange<std::uint32_t>(0, 1u << 18);
    std::string body = input.ConsumeRandomLengthString();
    const std::string unit = input.ConsumeRandomLengthString();
    const std::string tail = input.ConsumeRemainingBytesAsString();
    if (!unit.empty()) {
        std::size_t fill = std::min<std::size_t>(std::size_t{repeats} * unit.size(), kMaxRepeated);
        if (shape == kNearTheLimit) {
            const std::size_t end = kLineLimit + offset;
            fill = body.size() < end ? end - body.size() : 0;
        }
        std::string filler = unit;
        while (filler.size() < fill) filler += filler;
        body.append(filler, 0, fill);
    }
    return body + tail;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint64_t splitSeed = input.ConsumeIntegral<std::uint64_t>();
    const bool abandon = input.ConsumeBool();
    const std::string body = makeBody(input);

    const Expected expected = plainReading(body);
    feedAndCompare(
        "one piece", body, [&] { return body.size(); }, false, expected);
    if (body.size() <= 16 * 1024) {
        feedAndCompare(
            "byte by byte", body, [] { return std::size_t{1}; }, false, expected);
    }

    // Pieces up to 2^k bytes, k from the seed, so that both tiny pieces and
    // pieces near the line limit come up; a large body is cut into no more
    // than about two thousand pieces, which keeps a run in milliseconds.
    SplitMix random{splitSeed};
    const std::uint64_t largest =
        std::max<std::uint64_t>(std::uint64_t{1} << (random.next() % 22), body.size() / 1024);
    const auto randomPiece = [&] { return static_cast<std::size_t>(1 + random.next() % largest); };
    if (abandon) {
        // Only the lines that ended in a line feed count.
        const std::size_t lastFeed = body.rfind('\n');
        const std::string_view complete =
            std::string_view(body).substr(0, lastFeed == std::string::npos ? 0 : lastFeed + 1);
        feedAndCompare("abandoned in random pieces", body, randomPiece, true,
                       plainReading(complete));
    } else {
        feedAndCompare("random pieces", body, randomPiece, false, expected);
    }
    return 0;
}
