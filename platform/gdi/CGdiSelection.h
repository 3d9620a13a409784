#pragma once
// One drawing step's own font or pen: selected into the context for the step; when the step ends
// the previous object is selected back first, then the created one is deleted. A created object
// that is null selects nothing, or the stock object given as the fallback.

#include "CDC.h"

class CGdiSelection {
public:
    CGdiSelection(CDC& dc, HGDIOBJ created);
    CGdiSelection(CDC& dc, HGDIOBJ created, int nStockFallback);
    ~CGdiSelection();
    CGdiSelection(const CGdiSelection&) = delete;
    CGdiSelection& operator=(const CGdiSelection&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_hCreated;
    HGDIOBJ m_hPrevious;
};
