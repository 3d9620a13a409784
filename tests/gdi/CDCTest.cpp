// The device context's own rules, on the recording context.
#include "CRecordingDC.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceContext, SelectsFontsAndPensAsGdiDoes) {
    CRecordingDC dc;
    LOGFONT small;
    small.lfHeight = 45;
    const HGDIOBJ font = dc.CreateFontIndirect(small);
    const HGDIOBJ pen = dc.CreatePen(PS_SOLID, 50, RGB(1, 2, 3));
    const HGDIOBJ defaultFont = dc.SelectObject(font);
    const HGDIOBJ defaultPen = dc.SelectObject(pen);
    EXPECT_EQ(dc.SelectedFont(), small);
    EXPECT_EQ(dc.SelectedPen(), (LOGPEN{PS_SOLID, 50, RGB(1, 2, 3)}));
    EXPECT_FALSE(dc.DeleteObject(pen)); // still selected

    const HGDIOBJ deleted = dc.CreateFontIndirect(LOGFONT{});
    ASSERT_TRUE(dc.DeleteObject(deleted));
    for (const HGDIOBJ nothing : {HGDIOBJ{}, HGDIOBJ{12345}, deleted})
        EXPECT_EQ(dc.SelectObject(nothing), HGDIOBJ{});
    EXPECT_EQ(dc.SelectStockObject(WHITE_PEN + 1), HGDIOBJ{});
    EXPECT_EQ(dc.CreatePen(PS_SOLID + 1, 1, 0), HGDIOBJ{});
    EXPECT_EQ(dc.SelectedFont(), small);

    EXPECT_EQ(dc.SelectStockObject(WHITE_PEN), pen);
    EXPECT_EQ(dc.SelectedPen(), (LOGPEN{PS_SOLID, 0, RGB(255, 255, 255)}));
    EXPECT_TRUE(dc.DeleteObject(pen));
    EXPECT_EQ(dc.SelectObject(defaultFont), font);
    EXPECT_NE(dc.SelectObject(defaultPen), HGDIOBJ{});
    EXPECT_FALSE(dc.DeleteObject(defaultPen));
    EXPECT_EQ(dc.SelectedPen(), (LOGPEN{PS_SOLID, 0, RGB(0, 0, 0)}));
}

// A window shrunk to nothing keeps the last mapping, so nothing divides by zero.
TEST(DeviceContext, RefusesZeroExtents) {
    CRecordingDC dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(800, -600);
    dc.SetViewportExt(0, -600);
    dc.SetWindowExt(1000, 0);
    EXPECT_EQ(dc.LPtoDP({500, 500}), (CPoint{300, -300}));
    EXPECT_EQ(dc.DPtoLP({301, -301}), (CPoint{502, 502}));
}

} // namespace
