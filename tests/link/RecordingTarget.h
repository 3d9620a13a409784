#pragma once
// A main window for the link's read notices (message 101): it counts them, and when given a
// link it drains it as the frame does, records the text, then acts on the link as told.

#include "CSerialLink.h"
#include "ReplyMechanism.h"

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class RecordingTarget : public QObject {
public:
    bool event(QEvent* pEvent) override {
        if (pEvent->type() != WindowMessageEvent(101))
            return QObject::event(pEvent);
        ++nMessages;
        if (pDrainedLink) {
            texts.push_back(pDrainedLink->Receive());
            if (act)
                act(*pDrainedLink);
        }
        return true;
    }

    CSerialLink* pDrainedLink = nullptr;
    std::function<void(CSerialLink&)> act;
    std::vector<std::string> texts;
    int nMessages = 0;
};
