#pragma once
// A device context that draws nothing and records what would be drawn, for tests of drawing
// passes. Its fonts have a fixed, simple metric in logical units, whatever the mapping:
//   cell height c = |lfHeight| (16 when lfHeight is 0): tmHeight c, tmExternalLeading c/12;
//   every character is c/2 wide.

#include "CDC.h"

#include <cstdlib>
#include <string>
#include <vector>

struct CRecordedText {
    CPoint topLeft;
    std::string text;
    LOGFONT font;
};

struct CRecordedLine {
    CPoint from;
    CPoint to;
    LOGPEN pen;
};

class CRecordingDC final : public CDC {
public:
    using CDC::SelectedFont;
    using CDC::SelectedPen;

    HGDIOBJ CreateFontIndirect(const LOGFONT& font) override {
        return Created(m_bFailCreation ? HGDIOBJ{} : CDC::CreateFontIndirect(font));
    }
    HGDIOBJ CreatePen(int nPenStyle, int nWidth, COLORREF crColor) override {
        return Created(m_bFailCreation ? HGDIOBJ{} : CDC::CreatePen(nPenStyle, nWidth, crColor));
    }
    void TextOut(int x, int y, const std::string& text) override {
        m_texts.push_back({{x, y}, text, SelectedFont()});
    }
    CSize GetTextExtent(const std::string& text) override {
        return {static_cast<int>(text.size()) * (Cell() / 2), Cell()};
    }
    TEXTMETRIC GetTextMetrics() override { return {Cell(), Cell() / 12}; }

    bool m_bFailCreation = false; // from now on fonts and pens cannot be created
    std::vector<HGDIOBJ> m_created;
    std::vector<CRecordedText> m_texts;
    std::vector<CRecordedLine> m_lines;

protected:
    void RenderLine(CPoint from, CPoint to) override {
        m_lines.push_back({from, to, SelectedPen()});
    }

private:
    HGDIOBJ Created(HGDIOBJ object) {
        m_created.push_back(object);
        return object;
    }
    int Cell() const {
        return SelectedFont().lfHeight == 0 ? 16 : std::abs(SelectedFont().lfHeight);
    }
};
