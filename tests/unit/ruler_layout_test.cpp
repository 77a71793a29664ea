#include <gtest/gtest.h>

#include "windows/ruler_layout.h"

TEST(RulerLayout, ControlsFollowTheSizeWithTruncatedHalves)
{
    const RulerLayout standard = ComputeRulerLayout(300, 150, 19, 19);
    EXPECT_EQ(standard.centreImage, (TkPoint{141, 66}));
    EXPECT_EQ(standard.widthLabelX, 255);
    EXPECT_EQ(standard.heightLabelY, 121);
    EXPECT_EQ(standard.bottomScaleY, 135);
    EXPECT_EQ(standard.rightScaleX, 285);
    EXPECT_TRUE(standard.labelsShown);
    EXPECT_EQ(ComputeRulerLayout(301, 150, 19, 19).centreImage.x, 141);

    struct Case {
        int w, h;
        bool shown;
    } cases[] = {{55, 55, true}, {54, 100, false}, {100, 54, false}, {0, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_EQ(ComputeRulerLayout(c.w, c.h, 19, 19).labelsShown, c.shown);
    }
}
