#include "geometry/plane.h"

TPlane::TPlane(int lastIndex, const TSpacePoint* table)
    : FGrid(lastIndex, table)
{
}

void TPlane::SetVisible(bool value)
{
    if (value && !FVisible && FMatrix)
        FGrid.Project(*FMatrix);
    FVisible = value;
}
