// libFuzzer entry: arbitrary INI text, one look-up and one rewrite. A rewrite must keep every
// other key readable as before and make the written value read back.
#include "platform/profile/CProfileText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CProfileText profile(text);
    const std::optional<std::string> before = profile.GetValue("Settings", "Other");
    CProfileText::ToInt(profile.GetValue("Settings", "Units").value_or(""), 0);
    if (!profile.SetValue("Settings", "Units", "7"))
        std::abort();
    if (profile.GetValue("SETTINGS", "units") != "7" ||
        profile.GetValue("Settings", "Other") != before)
        std::abort();
    return 0;
}
