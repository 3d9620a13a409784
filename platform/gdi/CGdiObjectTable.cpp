#include "CGdiObjectTable.h"

namespace {

// Stock objects live under their stock index; created ones above every index.
constexpr std::uint32_t FIRST_CREATED_HANDLE = 0x100;

HGDIOBJ StockHandle(int nIndex) {
    return HGDIOBJ(static_cast<std::uint32_t>(nIndex));
}

LOGFONT SystemFont() {
    LOGFONT font;
    font.lfHeight = 16;
    font.lfWeight = FW_NORMAL;
    font.lfFaceName = "System";
    return font;
}

} // namespace

CGdiObjectTable::CGdiObjectTable()
    : m_nNextHandle(FIRST_CREATED_HANDLE), m_hFont(StockHandle(SYSTEM_FONT)),
      m_hPen(StockHandle(BLACK_PEN)) {
    m_objects.emplace(StockHandle(SYSTEM_FONT), SystemFont());
    m_objects.emplace(StockHandle(BLACK_PEN), LOGPEN{PS_SOLID, 0, RGB(0, 0, 0)});
    m_objects.emplace(StockHandle(WHITE_PEN), LOGPEN{PS_SOLID, 0, RGB(255, 255, 255)});
}

HGDIOBJ CGdiObjectTable::Add(Object object) {
    const HGDIOBJ handle{m_nNextHandle++};
    m_objects.emplace(handle, std::move(object));
    return handle;
}

HGDIOBJ CGdiObjectTable::CreateFont(const LOGFONT& font) {
    return Add(font);
}

HGDIOBJ CGdiObjectTable::CreatePen(const LOGPEN& pen) {
    if (pen.lopnStyle != PS_SOLID)
        return {};
    return Add(pen);
}

HGDIOBJ CGdiObjectTable::Select(HGDIOBJ object) {
    const auto found = m_objects.find(object);
    if (found == m_objects.end())
        return {};
    HGDIOBJ& selected = std::holds_alternative<LOGFONT>(found->second) ? m_hFont : m_hPen;
    const HGDIOBJ previous = selected;
    selected = object;
    return previous;
}

HGDIOBJ CGdiObjectTable::SelectStock(int nIndex) {
    if (nIndex != WHITE_PEN && nIndex != BLACK_PEN && nIndex != SYSTEM_FONT)
        return {};
    return Select(StockHandle(nIndex));
}

bool CGdiObjectTable::IsStock(HGDIOBJ object) {
    return static_cast<std::uint32_t>(object) < FIRST_CREATED_HANDLE;
}

bool CGdiObjectTable::Delete(HGDIOBJ object) {
    if (!m_objects.contains(object) || object == m_hFont || object == m_hPen)
        return false;
    if (!IsStock(object))
        m_objects.erase(object);
    return true;
}

const LOGFONT& CGdiObjectTable::SelectedFont() const {
    return std::get<LOGFONT>(m_objects.at(m_hFont));
}

const LOGPEN& CGdiObjectTable::SelectedPen() const {
    return std::get<LOGPEN>(m_objects.at(m_hPen));
}

std::size_t CGdiObjectTable::CreatedCount() const {
    std::size_t count = 0;
    for (const auto& entry : m_objects)
        count += IsStock(entry.first) ? 0 : 1;
    return count;
}
