#include "CGdiSelection.h"

CGdiSelection::CGdiSelection(CDC& dc, HGDIOBJ created)
    : m_dc(dc), m_hCreated(created), m_hPrevious(dc.SelectObject(created)) {}

CGdiSelection::CGdiSelection(CDC& dc, HGDIOBJ created, int nStockFallback)
    : m_dc(dc), m_hCreated(created),
      m_hPrevious(created != HGDIOBJ{} ? dc.SelectObject(created)
                                       : dc.SelectStockObject(nStockFallback)) {}

CGdiSelection::~CGdiSelection() {
    m_dc.SelectObject(m_hPrevious);
    m_dc.DeleteObject(m_hCreated);
}
