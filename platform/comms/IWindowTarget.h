#pragma once
// The window that hears of received telegrams. The main frame implements it; the comms layer
// calls it on the thread that asked for read notices.

#include <cstdint>

class IWindowTarget {
public:
    virtual ~IWindowTarget() = default;

    virtual void OnWindowMessage(std::uint32_t message) = 0;
};
