#pragma once
// The fonts and pens of one device context: created, selected and deleted by handle, with GDI's
// rules. A fresh table has the stock system font and black pen selected. Selecting returns the
// previous object of the same kind; selecting a null or unknown handle selects nothing and returns
// null. An object still selected is not deleted (GDI forbids it), and deleting a stock object
// does nothing.

#include "GdiTypes.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <variant>

class CGdiObjectTable {
public:
    CGdiObjectTable();

    HGDIOBJ CreateFont(const LOGFONT& font);
    HGDIOBJ CreatePen(const LOGPEN& pen);
    HGDIOBJ Select(HGDIOBJ object);
    // WHITE_PEN, BLACK_PEN or SYSTEM_FONT; any other index selects nothing and gives null.
    HGDIOBJ SelectStock(int nIndex);
    bool Delete(HGDIOBJ object);

    HGDIOBJ SelectedFontHandle() const { return m_hFont; }
    const LOGFONT& SelectedFont() const;
    const LOGPEN& SelectedPen() const;
    // Fonts and pens created and not yet deleted.
    std::size_t CreatedCount() const;

private:
    using Object = std::variant<LOGFONT, LOGPEN>;
    HGDIOBJ Add(Object object);
    static bool IsStock(HGDIOBJ object);

    std::map<HGDIOBJ, Object> m_objects;
    std::uint32_t m_nNextHandle;
    HGDIOBJ m_hFont;
    HGDIOBJ m_hPen;
};
