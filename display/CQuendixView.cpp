#include "CQuendixView.h"

#include "CHomingPicture.h"
#include "CQuendixDoc.h"
#include "GdiColor.h"

namespace {

constexpr int BUFF_PARAM = 129;

} // namespace

// The base never erases the background (the picture covers the whole client area), so the view
// has nothing to suppress.
CQuendixView::CQuendixView(const CQuendixDoc& doc, QWidget* parent)
    : CBuffView(parent), m_doc(doc) {
    m_crBackground = GetSysColor(COLOR_WINDOW);
    m_nBuffParam = BUFF_PARAM;
}

void CQuendixView::OnPrepareDC(CDC& dc) {
    CHomingPicture::PrepareDC(dc, width(), height());
}

void CQuendixView::OnDraw(CDC& dc) {
    const CHomingReadout readout = ReadDocument();
    CHomingPicture(dc, readout, GetSysColor(COLOR_WINDOW), width()).Draw();
}

CHomingReadout CQuendixView::ReadDocument() const {
    CHomingReadout readout;
    readout.m_nStatus = m_doc.GetStatus();
    readout.m_dRange = m_doc.GetRange();
    readout.m_strUnitsAbbrev = m_doc.GetUnitsAbbrev();
    readout.m_nDirection = m_doc.GetDirection();
    readout.m_nTpdrNo = m_doc.GetTpdrNo();
    readout.m_strComPort = m_doc.GetComPort();
    readout.m_strBaudRate = m_doc.GetBaudRate();
    readout.m_bConnected = m_doc.IsConnected();
    return readout;
}
