#pragma once
// A main window for the link's read notices: records each message and, when given a link,
// drains it as the frame does and records the text.

#include "CSerialLink.h"
#include "IWindowTarget.h"

#include <string>
#include <vector>

class RecordingTarget : public IWindowTarget {
public:
    void OnWindowMessage(std::uint32_t message) override {
        messages.push_back(message);
        if (pDrainedLink)
            texts.push_back(pDrainedLink->Receive());
    }

    CSerialLink* pDrainedLink = nullptr;
    std::vector<std::uint32_t> messages;
    std::vector<std::string> texts;
};
