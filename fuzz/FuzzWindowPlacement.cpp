// libFuzzer entry: arbitrary text as the stored window placement, and arbitrary placements to
// store. Reading never fails, and whatever is read or stored reads back the same once written.
#include "WindowPlacementText.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

void CheckRoundTrip(const WindowPlacement& placement) {
    const std::string text = FormatWindowPlacement(placement);
    if (text.find_first_not_of("-0123456789 ") != std::string::npos)
        std::abort();
    if (ParseWindowPlacement(text) != placement)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    WindowPlacement stored;
    stored.left = input.ConsumeIntegral<int>();
    stored.top = input.ConsumeIntegral<int>();
    stored.right = input.ConsumeIntegral<int>();
    stored.bottom = input.ConsumeIntegral<int>();
    stored.minimised = input.ConsumeBool();
    stored.maximised = input.ConsumeBool();
    CheckRoundTrip(stored);
    CheckRoundTrip(
        ParseWindowPlacement(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
