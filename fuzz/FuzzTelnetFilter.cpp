// libFuzzer entry: what an RFC 2217 server (or anything at its port) sends, in arbitrary chunks,
// through the telnet filter. The data handed on is never more than what arrived, and neither it
// nor the answers depend on how the bytes were chunked.
#include "CTelnetFilter.h"

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

struct Outcome {
    std::string data;
    std::string sent;
    CTelnetFilter::ComPort state;

    bool operator==(const Outcome&) const = default;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Outcome chunked;
    std::string received;
    {
        CTelnetFilter filter(4800, [&](std::string_view bytes) { chunked.sent += bytes; });
        while (input.remaining_bytes() > 0) {
            std::string chunk = input.ConsumeRandomLengthString(512);
            received += chunk;
            const std::size_t nData = filter.Receive(chunk, chunk.data());
            Require(nData <= chunk.size());
            chunked.data.append(chunk.data(), nData);
        }
        filter.SendData(received);
        chunked.state = filter.State();
    }
    Outcome whole;
    CTelnetFilter filter(4800, [&](std::string_view bytes) { whole.sent += bytes; });
    std::string copy = received;
    whole.data.assign(copy.data(), filter.Receive(copy, copy.data()));
    filter.SendData(received);
    whole.state = filter.State();
    Require(whole == chunked);
    return 0;
}
