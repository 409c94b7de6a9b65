#include "ui/platform/preview_turning.h"

#include <gtest/gtest.h>
#include <vector>

// One drag through the dead zone, both axes, the left button and the release,
// each step checked against the angles a user would see.
TEST(PreviewTurning, TurnsHalfADegreeAPixelBeyondTheDeadZone)
{
    enum TKind { Down, Move, Up, Reset };
    struct TStep {
        TKind Kind;
        int X, Y;
        bool Left;
        bool Turned;
        long double AngleX, AngleY;
    };
    const std::vector<TStep> steps {
        { Move, 50, 50, true, false, 15, -30 }, // not pressed
        { Down, 100, 100, false, false, 15, -30 },
        { Move, 110, 90, true, false, 15, -30 }, // within 10 both ways
        { Move, 111, 100, false, false, 15, -30 }, // beyond, but not the left button
        { Move, 111, 100, true, true, 15, -35.5L },
        { Move, 111, 121, true, true, 25.5L, -35.5L }, // down raises the X angle
        { Move, 102, 130, true, false, 25.5L, -35.5L }, // measured from the last turn
        { Move, 90, 121, true, true, 25.5L, -25 }, // left raises the Y angle
        { Up, 0, 0, false, false, 25.5L, -25 },
        { Move, 300, 300, true, false, 25.5L, -25 },
        { Reset, 0, 0, false, false, 15, -30 },
    };
    TPreviewTurning turning;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const TStep& s = steps[i];
        SCOPED_TRACE(i);
        bool turned = false;
        switch (s.Kind) {
        case Down:
            turning.MouseDown(s.X, s.Y);
            break;
        case Move:
            turned = turning.MouseMove(s.X, s.Y, s.Left);
            break;
        case Up:
            turning.MouseUp();
            break;
        case Reset:
            turning.Reset();
            break;
        }
        EXPECT_EQ(turned, s.Turned);
        EXPECT_EQ(turning.AngleX(), s.AngleX);
        EXPECT_EQ(turning.AngleY(), s.AngleY);
    }
}
