#include "curves/quadrature.h"

#include <queue>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {
// The 15-point Kronrod nodes on [-1, 1] (the positive half, the middle last) and
// weights; the 7-point Gauss rule takes the odd-numbered nodes and the middle.
constexpr long double KronrodNodes[8] = {
    0.991455371120812639206854697526329L,
    0.949107912342758524526189684047851L,
    0.864864423359769072789712788640926L,
    0.741531185599394439863864773280788L,
    0.586087235467691130294144845693013L,
    0.405845151377397166906606412076961L,
    0.207784955007898467600689403773245L,
    0.0L,
};
constexpr long double KronrodWeights[8] = {
    0.022935322010529224963732008058970L,
    0.063092092629978553290700663189204L,
    0.104790010322250183839876322541518L,
    0.140653259715525918745189590510238L,
    0.169004726639267902826583426598550L,
    0.190350578064785409913256402421014L,
    0.204432940075298892414161999234649L,
    0.209482141084727828012999174891714L,
};
constexpr long double GaussWeights[4] = {
    0.129484966168869693270611432679082L,
    0.279705391489276667901467771423780L,
    0.381830050505118944950369775488975L,
    0.417959183673469387755102040816327L,
};

struct TInterval {
    long double A, B;
    long double Value, Error, Absolute;
    bool operator<(const TInterval& o) const { return Error < o.Error; }
};

TInterval kronrod(const TIntegrand& f, long double a, long double b)
{
    const long double middle = a + (b - a) / 2;
    const long double half = (b - a) / 2;
    TInterval r { a, b, 0, 0, 0 };
    long double fm = 0;
    if (!f(middle, fm) || !std::isfinite(fm)) {
        r.Error = std::numeric_limits<long double>::infinity();
        return r;
    }
    long double kronrod = fm * KronrodWeights[7];
    long double gauss = fm * GaussWeights[3];
    long double absolute = std::fabs(fm) * KronrodWeights[7];
    for (int j = 0; j < 7; ++j) {
        const long double dx = half * KronrodNodes[j];
        long double f1 = 0;
        long double f2 = 0;
        if (!f(middle - dx, f1) || !f(middle + dx, f2) || !std::isfinite(f1)
            || !std::isfinite(f2)) {
            r.Error = std::numeric_limits<long double>::infinity();
            return r;
        }
        kronrod += KronrodWeights[j] * (f1 + f2);
        absolute += KronrodWeights[j] * (std::fabs(f1) + std::fabs(f2));
        if (j % 2 == 1)
            gauss += GaussWeights[j / 2] * (f1 + f2);
    }
    r.Value = kronrod * half;
    r.Absolute = absolute * std::fabs(half);
    // The rule's own error, and what rounding the values and sums may have cost.
    r.Error = std::fabs((kronrod - gauss) * half) + 64 * LDBL_EPSILON * r.Absolute;
    return r;
}
}

TIntegral Integrate(const TIntegrand& f,
    const std::vector<std::pair<long double, long double>>& pieces, long double relative,
    int maxIntervals)
{
    std::priority_queue<TInterval> queue;
    for (const auto& [a, b] : pieces)
        if (b > a)
            queue.push(kronrod(f, a, b));
    // Running sums, taken afresh now and then and at the end: a running sum alone
    // would keep the rounding of every interval that was halved since.
    long double value = 0;
    long double error = 0;
    long double absolute = 0;
    const auto sumAfresh = [&] {
        std::priority_queue<TInterval> copy = queue;
        value = error = absolute = 0;
        for (; !copy.empty(); copy.pop()) {
            value += copy.top().Value;
            error += copy.top().Error;
            absolute += copy.top().Absolute;
        }
    };
    sumAfresh();
    bool converged = queue.empty();
    for (int round = 1;; ++round) {
        if (queue.empty() || static_cast<int>(queue.size()) >= maxIntervals)
            break;
        if (error <= relative * std::fmax(std::fabs(value), 1e-3L * absolute)) {
            sumAfresh(); // the running sums may have lost what they cancelled
            if (error <= relative * std::fmax(std::fabs(value), 1e-3L * absolute)) {
                converged = true;
                break;
            }
        }
        const TInterval worst = queue.top();
        const long double middle = worst.A + (worst.B - worst.A) / 2;
        if (middle <= worst.A || middle >= worst.B)
            break; // no room left to halve: the bound stands as it is
        queue.pop();
        const TInterval left = kronrod(f, worst.A, middle);
        const TInterval right = kronrod(f, middle, worst.B);
        queue.push(left);
        queue.push(right);
        if (std::isfinite(worst.Error) && round % 64 != 0) {
            value += left.Value + right.Value - worst.Value;
            error += left.Error + right.Error - worst.Error;
            absolute += left.Absolute + right.Absolute - worst.Absolute;
        } else {
            sumAfresh();
        }
    }
    sumAfresh();
    TIntegral result;
    result.Value = value;
    result.Error = error;
    result.Magnitude = absolute;
    result.Converged = converged;
    return result;
}
