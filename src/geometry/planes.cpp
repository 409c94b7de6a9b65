#include "geometry/planes.h"

#include "base/message.h"

namespace {
using TGridTable = TSpacePoint[TPlanes::GridLastIndex + 1];

// The two families of lines of every grid: the first runs over its parameter from
// -8 up to 8 or from 8 down to -8, as each plane's table has it, and so does the second.
void buildGrid(int plane, TGridTable& table)
{
    for (int k = 0; k < 9; ++k) {
        const long double up = -8 + 2 * k;
        const long double down = 8 - 2 * k;
        TSpacePoint* first = &table[2 * k];
        TSpacePoint* second = &table[18 + 2 * k];
        switch (plane) {
        case 1: // XY, z = 0
            first[0] = { up, 8, 0, 1 };
            first[1] = { up, -8, 0, 1 };
            second[0] = { 8, down, 0, 1 };
            second[1] = { -8, down, 0, 1 };
            break;
        case 2: // XZ, y = 0
            first[0] = { 8, 0, down, 1 };
            first[1] = { -8, 0, down, 1 };
            second[0] = { up, 0, 8, 1 };
            second[1] = { up, 0, -8, 1 };
            break;
        default: // YZ, x = 0
            first[0] = { 0, up, 8, 1 };
            first[1] = { 0, up, -8, 1 };
            second[0] = { 0, 8, down, 1 };
            second[1] = { 0, -8, down, 1 };
            break;
        }
    }
}
}

TPlanes::TPlanes()
{
    for (int plane = 1; plane <= 3; ++plane) {
        TGridTable table;
        buildGrid(plane, table);
        FItems[plane - 1] = std::make_unique<TPlane>(GridLastIndex, table);
    }
}

void TPlanes::SetMatrix(const TTransformMatrix& m)
{
    for (auto& plane : FItems)
        plane->SetMatrix(&m);
}

TPlane& TPlanes::Items(int index)
{
    if (index < 1 || index > 3)
        throw EPlanesError(FormatText("List index out of bounds (%d)", index));
    return *FItems[index - 1];
}

const TPlane& TPlanes::Items(int index) const { return const_cast<TPlanes*>(this)->Items(index); }
