#include "CViewportMapping.h"

#include <gtest/gtest.h>

namespace {

struct MappingCase {
    CSize window;
    CSize viewport;
    CPoint origin;
    CPoint logical;
    CPoint device;
};

class IsotropicMapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(IsotropicMapping, MapsLogicalToDevice) {
    const MappingCase& c = GetParam();
    CViewportMapping mapping;
    mapping.SetMapMode(MM_ISOTROPIC);
    mapping.SetWindowExt(c.window.cx, c.window.cy);
    mapping.SetViewportExt(c.viewport.cx, c.viewport.cy);
    mapping.SetViewportOrg(c.origin.x, c.origin.y);
    EXPECT_EQ(mapping.LPtoDP(c.logical), c.device);
}

// The square fits the smaller extent; a negative extent flips that axis only.
INSTANTIATE_TEST_SUITE_P(
    GdiRule, IsotropicMapping,
    ::testing::Values(MappingCase{{1000, 1000}, {800, -600}, {400, 300}, {0, 0}, {400, 300}},
                      MappingCase{{1000, 1000}, {800, -600}, {400, 300}, {500, 500}, {700, 0}},
                      MappingCase{{1000, 1000}, {800, -600}, {400, 300}, {-500, -500}, {100, 600}},
                      MappingCase{{1000, 1000}, {400, -900}, {200, 200}, {500, -500}, {400, 400}},
                      MappingCase{{1000, 1000}, {500, -500}, {250, 250}, {-500, 500}, {0, 0}},
                      MappingCase{{1000, 1000}, {-300, 300}, {0, 0}, {100, 100}, {-30, 30}},
                      MappingCase{{1000, 1000}, {333, -1000}, {0, 0}, {1000, -1000}, {333, 333}},
                      MappingCase{{200, 100}, {800, 800}, {0, 0}, {100, 100}, {400, 400}},
                      // shrunk below one unit: kept at one, so nothing divides by zero
                      MappingCase{{1000, 1}, {1, -3000}, {0, 0}, {1000, -1}, {1, 1}}));

TEST(ViewportMapping, TextModeIsOnePixelPerUnitWhateverTheExtents) {
    CViewportMapping mapping;
    mapping.SetWindowExt(1000, 1000);
    mapping.SetViewportExt(100, -100);
    mapping.SetViewportOrg(10, 20);
    EXPECT_EQ(mapping.LPtoDP({5, 5}), (CPoint{15, 25}));
}

TEST(ViewportMapping, RefusesZeroExtentsAndUnknownModes) {
    CViewportMapping mapping;
    mapping.SetMapMode(MM_ISOTROPIC);
    mapping.SetWindowExt(1000, 1000);
    mapping.SetViewportExt(600, -600);
    mapping.SetViewportExt(0, -600); // a window shrunk to nothing
    mapping.SetWindowExt(1000, 0);
    mapping.SetMapMode(3);
    EXPECT_EQ(mapping.GetMapMode(), MM_ISOTROPIC);
    EXPECT_DOUBLE_EQ(mapping.ScaleX(), 0.6);
    EXPECT_DOUBLE_EQ(mapping.ScaleY(), -0.6);
}

} // namespace
