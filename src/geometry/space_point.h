#pragma once

#include <cstdint>

// A point in space. W is a homogeneous weight that projection ignores: every
// point is projected as if W were 1.
struct TSpacePoint {
    long double X;
    long double Y;
    long double Z;
    long double W;
};

// A projected point: offsets in pixels from the scene origin, y counted upward.
struct TScreenPoint {
    std::int32_t X;
    std::int32_t Y;
};

// The program's colour value: red in the low byte, green in the next, blue in the third
// (255 is red, 8421504 grey, 16777215 white). The high byte is not part of the colour and is
// ignored by every conversion of render/color.h.
using TColor = std::uint32_t;
