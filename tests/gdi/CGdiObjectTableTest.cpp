#include "CGdiObjectTable.h"

#include <gtest/gtest.h>

namespace {

LOGFONT Font(int nHeight) {
    LOGFONT font;
    font.lfHeight = nHeight;
    font.lfFaceName = "Arial";
    return font;
}

TEST(GdiObjectTable, SelectingGivesThePreviousObjectOfTheSameKind) {
    CGdiObjectTable table;
    const HGDIOBJ font = table.CreateFont(Font(45));
    const HGDIOBJ pen = table.CreatePen({PS_SOLID, 50, RGB(0, 0, 0)});
    const HGDIOBJ stockFont = table.Select(font);
    const HGDIOBJ stockPen = table.Select(pen);
    EXPECT_EQ(table.SelectedFont().lfHeight, 45);
    EXPECT_EQ(table.SelectedPen().lopnWidth, 50);
    EXPECT_EQ(table.Select(stockFont), font);
    EXPECT_EQ(table.Select(stockPen), pen);
    EXPECT_EQ(table.SelectedFont().lfFaceName, "System");
    EXPECT_EQ(table.SelectedPen(), (LOGPEN{PS_SOLID, 0, RGB(0, 0, 0)}));
}

TEST(GdiObjectTable, NullUnknownAndDeletedHandlesSelectNothing) {
    CGdiObjectTable table;
    const HGDIOBJ font = table.CreateFont(Font(45));
    table.Select(font);
    const HGDIOBJ deleted = table.CreateFont(Font(270));
    ASSERT_TRUE(table.Delete(deleted));
    for (const HGDIOBJ handle : {HGDIOBJ{}, HGDIOBJ{12345}, deleted}) {
        EXPECT_EQ(table.Select(handle), HGDIOBJ{});
        EXPECT_EQ(table.SelectedFontHandle(), font);
    }
    EXPECT_EQ(table.SelectStock(4), HGDIOBJ{});
}

TEST(GdiObjectTable, KeepsSelectedAndStockObjects) {
    CGdiObjectTable table;
    const HGDIOBJ pen = table.CreatePen({PS_SOLID, 50, RGB(0, 0, 0)});
    const HGDIOBJ previous = table.Select(pen);
    EXPECT_FALSE(table.Delete(pen));
    EXPECT_EQ(table.CreatedCount(), 1u);
    EXPECT_EQ(table.SelectStock(WHITE_PEN), pen);
    EXPECT_TRUE(table.Delete(pen));
    EXPECT_TRUE(table.Delete(previous)); // the stock black pen: nothing happens
    EXPECT_EQ(table.Select(previous), HGDIOBJ{WHITE_PEN});
    EXPECT_EQ(table.CreatedCount(), 0u);
}

TEST(GdiObjectTable, OnlySolidPensCanBeCreated) {
    CGdiObjectTable table;
    EXPECT_EQ(table.CreatePen({5, 1, RGB(0, 0, 0)}), HGDIOBJ{});
    EXPECT_EQ(table.CreatedCount(), 0u);
}

} // namespace
