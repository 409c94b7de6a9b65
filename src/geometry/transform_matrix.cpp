#include "geometry/transform_matrix.h"

#include <cmath>

void TTransformMatrix::Identity()
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            FM[i][j] = i == j ? 1.0L : 0.0L;
}

// Both rotations compute a row's new pair from its old values before storing any.
void TTransformMatrix::RotateX(long double angle)
{
    const long double theta = angle * Pi / 180.0L;
    const long double c = std::cos(theta);
    const long double s = std::sin(theta);
    for (auto& row : FM) {
        const long double m1 = row[1];
        const long double m2 = row[2];
        row[1] = c * m1 - s * m2;
        row[2] = s * m1 + c * m2;
    }
}

void TTransformMatrix::RotateY(long double angle)
{
    const long double theta = angle * Pi / 180.0L;
    const long double c = std::cos(theta);
    const long double s = std::sin(theta);
    for (auto& row : FM) {
        const long double m0 = row[0];
        const long double m2 = row[2];
        row[0] = c * m0 - s * m2;
        row[2] = s * m0 + c * m2;
    }
}

void TTransformMatrix::Multiply(const TTransformMatrix& b)
{
    TElements product;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            long double sum = 0.0L;
            for (int k = 0; k < 4; ++k)
                sum += FM[i][k] * b.FM[k][j];
            product[i][j] = sum;
        }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            FM[i][j] = product[i][j];
}

long double PerspectiveFactor() { return -std::sqrt(3.0L) / 660.0L; }

TTransformMatrix TTransformMatrix::Perspective()
{
    TTransformMatrix p;
    p.FM[2][2] = 0.0L;
    p.FM[2][3] = PerspectiveFactor();
    return p;
}
