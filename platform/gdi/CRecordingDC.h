#pragma once
// A device context that draws nothing and records every operation, for tests of drawing passes.
// Its fonts have a fixed, simple metric in logical units, whatever the mapping:
//   cell height c = |lfHeight| (16 when lfHeight is 0): tmHeight c, tmAscent c - c/5,
//   tmDescent c/5, tmExternalLeading c/12; every character is c/2 wide.

#include "CDC.h"

#include <cstddef>
#include <string>
#include <vector>

struct CRecordedText {
    CPoint topLeft;
    std::string text;
    LOGFONT font;
    COLORREF crText = 0;
    COLORREF crBk = 0;
};

struct CRecordedLine {
    CPoint from;
    CPoint to;
    LOGPEN pen;
};

class CRecordingDC final : public CDC {
public:
    // From now on fonts and pens cannot be created.
    void FailObjectCreation(bool bFail) { m_bFailCreation = bFail; }

    // One line per operation, e.g. "SetViewportExt(800,-600)", "CreatePen(0,50,000000)=257",
    // "TextOut(-275,300,\" 12.3m\")"; colours as six hex digits BBGGRR, handles as numbers.
    const std::vector<std::string>& Operations() const { return m_operations; }
    const std::vector<CRecordedText>& Texts() const { return m_texts; }
    const std::vector<CRecordedLine>& Lines() const { return m_lines; }
    const CViewportMapping& GetMapping() const { return Mapping(); }
    std::size_t CreatedObjectCount() const { return Objects().CreatedCount(); }
    const LOGFONT& SelectedFont() const { return Objects().SelectedFont(); }
    const LOGPEN& SelectedPen() const { return Objects().SelectedPen(); }
    COLORREF GetTextColor() const { return TextColor(); }

    void SetMapMode(int nMapMode) override;
    void SetWindowExt(int cx, int cy) override;
    void SetViewportExt(int cx, int cy) override;
    void SetViewportOrg(int x, int y) override;
    HGDIOBJ CreateFontIndirect(const LOGFONT& font) override;
    HGDIOBJ CreatePen(int nPenStyle, int nWidth, COLORREF crColor) override;
    HGDIOBJ SelectObject(HGDIOBJ object) override;
    HGDIOBJ SelectStockObject(int nIndex) override;
    bool DeleteObject(HGDIOBJ object) override;
    COLORREF SetBkColor(COLORREF crColor) override;
    COLORREF SetTextColor(COLORREF crColor) override;
    void MoveTo(int x, int y) override;
    CSize GetTextExtent(const std::string& text) override;
    TEXTMETRIC GetTextMetrics() override;

protected:
    void RenderText(CPoint topLeft, const std::string& text) override;
    void RenderLine(CPoint from, CPoint to) override;
    CSize MeasureText(const std::string& text) override;
    TEXTMETRIC MeasureFont() override;

private:
    void Note(std::string operation) { m_operations.push_back(std::move(operation)); }

    bool m_bFailCreation = false;
    std::vector<std::string> m_operations;
    std::vector<CRecordedText> m_texts;
    std::vector<CRecordedLine> m_lines;
};
