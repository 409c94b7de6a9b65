#pragma once

// The 4 x 4 matrix that carries a scene's view: rotation about the X and Y axes,
// the zoom scale and, optionally, perspective. Points are row vectors multiplied
// from the left, so row 3 holds translation terms, column 3 the homogeneous
// divisor terms, and element [3][3] doubles as the zoom scale.
class TTransformMatrix {
public:
    using TElements = long double[4][4];

    TTransformMatrix() { Identity(); }

    void Identity();
    void Reset() { Identity(); }
    // Changes element [3][3] only.
    void SetScale(long double value) { FM[3][3] = value; }
    // M := M x Rx(angle), angle in degrees.
    void RotateX(long double angle);
    // M := M x Ry(angle), angle in degrees.
    void RotateY(long double angle);
    // M := M x B; B may be this matrix itself.
    void Multiply(const TTransformMatrix& b);

    // The fixed perspective matrix: the identity except [2][2] = 0 and
    // [2][3] = PerspectiveFactor(). Multiplying the scene matrix by it turns column 2
    // into 0 and column 3 into c * (old column 2) + (old column 3).
    static TTransformMatrix Perspective();

    // M[row][column]; rows 0..2 are the images of the unit vectors along x, y, z.
    const TElements& M() const { return FM; }
    long double Scale() const { return FM[3][3]; }

private:
    TElements FM;
};

// Pi in extended precision, as every angle of the program is converted with it.
inline constexpr long double Pi = 3.1415926535897932385L;

// -sqrt(3)/660 in extended precision: the eye sits at the depth scale * 660 / sqrt(3).
long double PerspectiveFactor();
