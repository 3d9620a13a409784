// libFuzzer entry: arbitrary text as the baud rate of the settings. Parsing never overflows, a
// text without digits gives 0, and a lone decimal number within range is the rate itself.
#include "PortText.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool HasDigit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int rate = ParseBaudRate(text);
    if (!HasDigit(text) && rate != 0)
        std::abort();
    if (rate < 0 && text.find('-') == std::string_view::npos)
        std::abort();

    int lone = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), lone);
    if (error == std::errc() && end == text.data() + text.size() && rate != lone)
        std::abort();
    return 0;
}
