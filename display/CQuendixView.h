#pragma once
// The program's one view: the homing picture of the document's latest result. It keeps no state
// of its own; every paint reads the document afresh. Call update() to redraw it.

#include "CBuffView.h"
#include "CHomingReadout.h"

class CQuendixDoc;

class CQuendixView final : public CBuffView {
public:
    explicit CQuendixView(const CQuendixDoc& doc, QWidget* parent = nullptr);

protected:
    void OnPrepareDC(CDC& dc) override;
    void OnDraw(CDC& dc) override;

private:
    CHomingReadout ReadDocument() const;

    const CQuendixDoc& m_doc;
};
