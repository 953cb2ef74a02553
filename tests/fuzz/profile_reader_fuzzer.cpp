// Arbitrary bytes as a profile file, decoded from memory and read back
// through the file reader. Each run checks that
//  - both readers agree with a deliberately plain decoder written here:
//    the same 25 texts, or both refuse;
//  - a refusal is a message for the user, and no record comes with it;
//  - the heap taken while reading never exceeds the input's size plus a
//    small constant, however large the lengths the bytes declare;
//  - an accepted record saves and reads back to itself.

#include <sanitizer/allocator_interface.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "profile/profile_codec.h"
#include "profile/profile_fields.h"
#include "profile/profile_file.h"

namespace {

using namespace tavimor;

// Room for the error messages, the file name and the like; a decoder that
// trusts a declared length blows past it at once.
constexpr std::size_t kHeapSlack = 16 * 1024;

// Every byte handed out by malloc and new while armed, whether freed since or
// not: an upper bound of the heap's growth that needs no bookkeeping of frees.
std::atomic<bool> heapArmed{false};
std::atomic<std::size_t> heapTaken{0};

void onMalloc(const volatile void*, std::size_t size) {
    if (heapArmed.load(std::memory_order_relaxed))
        heapTaken.fetch_add(size, std::memory_order_relaxed);
}
void onFree(const volatile void*) {}

template <class Read>
auto measureHeap(std::size_t& taken, Read&& read) {
    heapTaken = 0;
    heapArmed = true;
    auto result = read();
    heapArmed = false;
    taken = heapTaken;
    return result;
}

using Fields = std::array<std::string, kProfileFieldCount>;

// The file format read the slow, obvious way: a byte; after 0xFF a 16-bit
// length; after 0xFFFF a 32-bit one; then that many bytes. 25 times.
FUZZ_ORACLE std::optional<Fields> plainDecode(std::string_view bytes) {
    std::size_t at = 0;
    const auto byteAt = [&](std::size_t i) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i]));
    };
    Fields fields;
    for (std::string& field : fields) {
        if (bytes.size() - at < 1) return std::nullopt;
        std::uint64_t length = byteAt(at);
        at += 1;
        if (length == 0xFF) {
            if (bytes.size() - at < 2) return std::nullopt;
            length = byteAt(at) | byteAt(at + 1) << 8;
            at += 2;
            if (length == 0xFFFF) {
                if (bytes.size() - at < 4) return std::nullopt;
                length =
                    byteAt(at) | byteAt(at + 1) << 8 | byteAt(at + 2) << 16 | byteAt(at + 3) << 24;
                at += 4;
            }
        }
        if (bytes.size() - at < length) return std::nullopt;
        field.assign(bytes.substr(at, length));
        at += length;
    }
    return fields;
}

FUZZ_ORACLE void expectSameFields(const SiteProfile& profile, const Fields& fields,
                                  const char* reader) {
    for (std::size_t i = 0; i < kProfileFieldCount; ++i) {
        FUZZ_CHECK(profile.*kProfileFields[i].member == fields[i], "%s: field %zu (%.*s) differs",
                   reader, i + 1, static_cast<int>(kProfileFields[i].key.size()),
                   kProfileFields[i].key.data());
    }
}

// The file reader gets the bytes through an in-memory file reopened by name,
// so each run costs no disk and no clean-up.
int memoryFile = -1;
std::string memoryFilePath;

void putInMemoryFile(std::string_view bytes) {
    FUZZ_CHECK(::ftruncate(memoryFile, 0) == 0, "cannot empty the in-memory file");
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::pwrite(memoryFile, bytes.data() + written, bytes.size() - written,
                                   static_cast<off_t>(written));
        FUZZ_CHECK(n > 0, "cannot write the in-memory file");
        written += static_cast<std::size_t>(n);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FUZZ_CHECK(__sanitizer_install_malloc_and_free_hooks(onMalloc, onFree) != 0,
               "the sanitizer's allocator takes no hooks");
    memoryFile = ::memfd_create("tavimor-profile", MFD_CLOEXEC);
    FUZZ_CHECK(memoryFile >= 0, "memfd_create failed");
    memoryFilePath = "/proc/self/fd/" + std::to_string(memoryFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<Fields> expected = plainDecode(bytes);

    std::size_t decodeHeap = 0;
    const ProfileResult<SiteProfile> decoded =
        measureHeap(decodeHeap, [&] { return decodeProfile(bytes); });
    FUZZ_CHECK(decodeHeap <= size + kHeapSlack, "decoding %zu bytes took %zu bytes of heap", size,
               decodeHeap);
    FUZZ_CHECK(decoded.ok() == expected.has_value(), "decodeProfile %s what the plain decoder %s",
               decoded ? "accepted" : "refused", expected ? "accepts" : "refuses");
    if (decoded) {
        expectSameFields(decoded.value(), *expected, "decodeProfile");
        // The writer picks the shortest length forms, so it never needs more
        // bytes than were read; the trailing bytes the reader skipped are gone.
        const ProfileResult<std::string> saved = encodeProfile(decoded.value());
        FUZZ_CHECK(saved.ok() && saved.value().size() <= size, "an accepted record saves larger");
        FUZZ_CHECK(decodeProfile(saved.value()).value() == decoded.value(),
                   "a saved record reads back differently");
    } else {
        FUZZ_CHECK(decoded.error().message.english().starts_with("The profile is incomplete: it "),
                   "unexpected message");
    }

    putInMemoryFile(bytes);
    std::size_t fileHeap = 0;
    const ProfileResult<SiteProfile> read =
        measureHeap(fileHeap, [&] { return readProfileFile(memoryFilePath); });
    FUZZ_CHECK(fileHeap <= size + kHeapSlack, "reading a %zu-byte file took %zu bytes of heap",
               size, fileHeap);
    FUZZ_CHECK(read.ok() == decoded.ok(), "the file reader %s what decodeProfile %s",
               read ? "accepted" : "refused", decoded ? "accepts" : "refuses");
    FUZZ_CHECK(!read || read.value() == decoded.value(),
               "the file reader and decodeProfile disagree");
    return 0;
}
