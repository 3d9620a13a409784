// libFuzzer entry: received bytes in arbitrary chunks, cut into telegrams as the port worker
// does. Every telegram is non-empty, fits a buffer and holds neither the terminator nor a NUL;
// how the bytes are chunked does not change what is cut.
#include "CTelegramCutter.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void Cut(CTelegramCutter& cutter, std::string_view bytes, std::vector<std::string>& telegrams) {
    while (!bytes.empty()) {
        std::string_view telegram;
        const std::size_t taken = cutter.Cut(bytes, telegram);
        Require(taken > 0 && taken <= bytes.size());
        bytes.remove_prefix(taken);
        if (!telegram.empty())
            telegrams.emplace_back(telegram);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // Mostly the line feed the unit ends its telegrams with; any byte may be configured.
    const char terminator = input.ConsumeBool() ? '\n' : input.ConsumeIntegral<char>();
    CTelegramCutter chunked;
    chunked.SetTerminator(terminator);
    std::vector<std::string> telegrams;
    std::string received;
    while (input.remaining_bytes() > 0) {
        const std::string chunk = input.ConsumeRandomLengthString(1024);
        received += chunk;
        Cut(chunked, chunk, telegrams);
    }
    for (const auto& telegram : telegrams) {
        Require(telegram.size() <= BUFFER_TEXT_MAX);
        Require(telegram.find(terminator) == std::string::npos);
        Require(telegram.find('\0') == std::string::npos);
    }
    CTelegramCutter whole;
    whole.SetTerminator(terminator);
    std::vector<std::string> wholeTelegrams;
    Cut(whole, received, wholeTelegrams);
    Require(wholeTelegrams == telegrams);
    return 0;
}
