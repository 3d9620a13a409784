#pragma once
// A main window for the link's read notices: when given a link, it drains it as the frame
// does, records the text, then acts on the link as told.

#include "CSerialLink.h"
#include "IWindowTarget.h"

#include <functional>
#include <string>
#include <vector>

class RecordingTarget : public IWindowTarget {
public:
    void OnWindowMessage(std::uint32_t) override {
        if (!pDrainedLink)
            return;
        texts.push_back(pDrainedLink->Receive());
        if (act)
            act(*pDrainedLink);
    }

    CSerialLink* pDrainedLink = nullptr;
    std::function<void(CSerialLink&)> act;
    std::vector<std::string> texts;
};
