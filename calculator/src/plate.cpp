// Lévy single series for a rectangular Kirchhoff plate, x along the span a (edges x = 0 and
// x = a simply supported), y up the height b:
//
//   w(x, y) = sum over odd m of Y_m(y) sin(k x),  k = m pi / a,
//   Y_m'''' - 2 k^2 Y_m'' + k^4 Y_m = p_m(y) / D,  p_m = 4 / (m pi) times the load's y profile,
//   Y_m = p_m / (D k^4) + (c1 + c2 k y) e^-ky + (c3 + c4 k (b - y)) e^-k(b - y).
//
// The last form is the usual (A + B y) cosh ky + (C + D y) sinh ky regrouped so that every
// function stays between 0 and 1 on the plate: nothing overflows for any k b, and the 4 x 4
// system of edge conditions (derivatives scaled by k^-n) stays well conditioned from tall narrow
// plates (k b ~ 60 m) to long low ones (k b ~ 0.16 m). Edge conditions: simply supported,
// w = 0 and M_y = 0, i.e. Y = Y'' = 0; free, M_y = 0 and the Kirchhoff shear
// V_y = Q_y + dM_xy/dx = 0, i.e. Y'' - nu k^2 Y = 0 and Y''' - (2 - nu) k^2 Y' = 0.
//
// Moments (per unit length, q = D = 1): M_x = -(w_xx + nu w_yy), M_y = -(w_yy + nu w_xx),
// M_xy = -(1 - nu) w_xy. The stress is taken from the largest principal moment anywhere on the
// plate, twisting included: it matters for rimless walls from r = a / b of about 2.5 on, where
// the wall twists about its bottom edge and the twisting moment near the side edges exceeds the
// bending moments on the centre line (at r = 3 by 15 %, at r = 20 more than sevenfold).
//
// Convergence: along the centre line the series alternates, so each sum takes half of its last
// term (the mean of the last two partial sums), which gains about two orders. With
// TermsFor = 12 + 4 a / b terms, beta is within 5e-5 and alpha within 1e-7 of the series' limit
// at every ratio from 0.05 to 20 (the stress converges slower than the deflection, and the
// twisting moment at the side edges, which does not alternate, slowest). The maxima are found
// on a grid and refined to far below that.

#include "quellfin/plate.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <utility>

namespace quellfin {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNu = kPlatePoisson;
// Exponentials below this are flushed to zero (they no longer change any sum, and keeping them
// would walk the products through the subnormal range).
constexpr double kTiny = 1e-280;

using Matrix4 = std::array<std::array<double, 5>, 4>; // augmented: 4 columns and the right side

// Gaussian elimination with partial pivoting. The rows are scaled to O(1) entries by the caller.
std::array<double, 4> Solve(Matrix4 m) {
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 4; ++row) {
            if (std::abs(m[row][col]) > std::abs(m[pivot][col])) {
                pivot = row;
            }
        }
        std::swap(m[col], m[pivot]);
        for (int row = col + 1; row < 4; ++row) {
            const double f = m[row][col] / m[col][col];
            for (int j = col; j < 5; ++j) {
                m[row][j] -= f * m[col][j];
            }
        }
    }
    std::array<double, 4> x{};
    for (int row = 3; row >= 0; --row) {
        double s = m[row][4];
        for (int j = row + 1; j < 4; ++j) {
            s -= m[row][j] * x[j];
        }
        x[row] = s / m[row][row];
    }
    return x;
}

double ClampRatio(double ratio) {
    if (std::isnan(ratio)) {
        return ratio;
    }
    return std::clamp(ratio, kPlateMinRatio, kPlateMaxRatio);
}

PlateCoefficients FromMaxima(const PlateMaxima& m) {
    // sigma = 6 M / t^2 with M in units of q b^2; w in units of q b^4 / D, D = E t^3 / (12 (1 -
    // nu^2)).
    return {6.0 * m.moment, 12.0 * (1.0 - kNu * kNu) * m.w};
}

// ceil(v) clamped to [lo, hi], lo for NaN: a count that is safe to convert.
int CeilCount(double v, int lo, int hi) {
    if (!(v > lo)) {
        return lo;
    }
    return v >= hi ? hi : static_cast<int>(std::ceil(v));
}

PlateCoefficients NanCoefficients() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan};
}

} // namespace

// One mode's share at height y, before its factor sin k x (w, M_x, M_y) or cos k x (M_xy): E and
// F are e^-ky and e^-k(b-y).
LevyPlate::ModeShare LevyPlate::Share(const Mode& mode, double y, double E, double F) const {
    const double k = mode.k;
    const double k2 = k * k;
    const double u = k * y;
    const double v = k * (height_ - y);
    const double* c = mode.c;
    const double Y = mode.p0 + mode.p1 * y + (c[0] + c[1] * u) * E + (c[2] + c[3] * v) * F;
    const double dY =
        mode.p1 + k * ((-c[0] + c[1] * (1.0 - u)) * E + (c[2] - c[3] * (1.0 - v)) * F);
    const double ddY = k2 * ((c[0] + c[1] * (u - 2.0)) * E + (c[2] + c[3] * (v - 2.0)) * F);
    return {Y, k2 * Y - kNu * ddY, kNu * k2 * Y - ddY, -(1.0 - kNu) * k * dY};
}

int LevyPlate::TermsFor(double span, double height) {
    const double s = span / height;
    return 12 + CeilCount(4.0 * s, 0, 4000);
}

LevyPlate::LevyPlate(double span, double height, TopEdge top, PlateLoad load)
    : LevyPlate(span, height, top, load, TermsFor(span, height)) {}

LevyPlate::LevyPlate(double span, double height, TopEdge top, PlateLoad load, int terms)
    : span_(span), height_(height) {
    const double b = height;
    modes_.reserve(static_cast<std::size_t>(std::max(terms, 1)));
    const double zb = std::exp(-kPi * b / span); // e^-kb = zb^m
    const double zb2 = zb * zb;
    double eb = zb;
    for (int i = 0; i < terms; ++i, eb = eb < kTiny ? 0.0 : eb * zb2) {
        const int m = 2 * i + 1;
        Mode mode{};
        mode.k = m * kPi / span;
        mode.scale = (i + 1 == terms && terms > 1) ? 0.5 : 1.0;
        // Load term: (4 / (m pi)) (1 - y / b) or 4 / (m pi); particular solution p_m / k^4.
        const double pm = 4.0 / (m * kPi);
        const double k4 = mode.k * mode.k * mode.k * mode.k;
        mode.p0 = pm / k4;
        mode.p1 = load == PlateLoad::Hydrostatic ? -pm / (b * k4) : 0.0;

        const double k = mode.k;
        const double kb = k * b;
        const double e = eb;
        const double pBottom = mode.p0;
        const double pTop = mode.p0 + mode.p1 * b;
        const double dpTop = mode.p1; // P'(b); P'' = P''' = 0
        Matrix4 a{};
        // Bottom, simply supported: Y(0) = 0, Y''(0) = 0 (derivatives scaled by k^-n).
        a[0] = {1.0, 0.0, e, kb * e, -pBottom};
        a[1] = {1.0, -2.0, e, (kb - 2.0) * e, 0.0};
        if (top == TopEdge::Supported) {
            // Y(b) = 0, Y''(b) = 0.
            a[2] = {e, kb * e, 1.0, 0.0, -pTop};
            a[3] = {e, (kb - 2.0) * e, 1.0, -2.0, 0.0};
        } else {
            // M_y = 0: Y'' - nu k^2 Y = 0.
            a[2] = {(1.0 - kNu) * e, ((1.0 - kNu) * kb - 2.0) * e, 1.0 - kNu, -2.0, kNu * pTop};
            // Kirchhoff shear V_y = 0: Y''' - (2 - nu) k^2 Y' = 0.
            a[3] = {(1.0 - kNu) * e, (1.0 + kNu + (1.0 - kNu) * kb) * e, -(1.0 - kNu), -(1.0 + kNu),
                    (2.0 - kNu) * dpTop / k};
        }
        const std::array<double, 4> c = Solve(a);
        std::copy(c.begin(), c.end(), mode.c);
        modes_.push_back(mode);
    }
}

PlateResponse LevyPlate::At(double x, double y) const {
    const double b = height_;
    const double pa = kPi / span_;
    // e^-ky, e^-k(b-y) and e^ikx for k = m pi / a, m odd, by recurrence over m.
    const double zy = std::exp(-pa * y);
    const double zv = std::exp(-pa * (b - y));
    const double zy2 = zy * zy;
    const double zv2 = zv * zv;
    const double c1 = std::cos(pa * x);
    const double s1 = std::sin(pa * x);
    const double c2 = c1 * c1 - s1 * s1;
    const double s2 = 2.0 * c1 * s1;
    double E = zy;
    double F = zv;
    double co = c1;
    double si = s1;
    PlateResponse r{0, 0, 0, 0};
    for (const Mode& mode : modes_) {
        const ModeShare share = Share(mode, y, E, F);
        const double s = si * mode.scale;
        r.w += s * share.w;
        r.mx += s * share.mx;
        r.my += s * share.my;
        r.mxy += co * mode.scale * share.mxy;
        E = E < kTiny ? 0.0 : E * zy2;
        F = F < kTiny ? 0.0 : F * zv2;
        const double nextCo = co * c2 - si * s2;
        si = si * c2 + co * s2;
        co = nextCo;
    }
    return r;
}

double PrincipalMoment(const PlateResponse& r) {
    const double half = 0.5 * (r.mx - r.my);
    return 0.5 * std::abs(r.mx + r.my) + std::sqrt(half * half + r.mxy * r.mxy);
}

namespace {

double Deflection(const PlateResponse& r) {
    return std::abs(r.w);
}

} // namespace

// Coordinate search from (x, y): along x (unless hx is 0), then along y, a parabola through
// three points h apart and a step to its vertex, each step length following the last move, until
// both moves stay below a thousandth of the starting steps. The principal moment repeats with
// period a in x and mirrors about x = 0 and x = a / 2, so x needs no bounds; y stays within the
// plate.
double LevyPlate::Refine(double (*measure)(const PlateResponse&), double& x, double& y, double hx,
                         double hy) const {
    const double a = span_;
    const double b = height_;
    double best = measure(At(x, y));
    // One parabolic step along t within [lo, hi]; returns how far t moved.
    const auto along = [&](double& t, double h, double lo, double hi, auto&& f) {
        const double start = t;
        double p[3] = {start - h, start, start + h};
        if (p[0] < lo) {
            p[0] = lo, p[1] = lo + h, p[2] = lo + 2.0 * h;
        } else if (p[2] > hi) {
            p[0] = hi - 2.0 * h, p[1] = hi - h, p[2] = hi;
        }
        const double startValue = best;
        double v[3];
        for (int i = 0; i < 3; ++i) {
            v[i] = p[i] == start ? startValue : f(p[i]);
            if (v[i] > best) {
                best = v[i];
                t = p[i];
            }
        }
        const double curvature = v[0] - 2.0 * v[1] + v[2];
        if (curvature < 0.0) {
            const double vertex =
                std::clamp(p[1] + 0.5 * h * (v[0] - v[2]) / curvature, p[0], p[2]);
            if (std::abs(vertex - t) > 1e-3 * h) {
                const double value = f(vertex);
                if (value > best) {
                    best = value;
                    t = vertex;
                }
            }
        }
        return std::abs(t - start);
    };
    const double tx = 1e-3 * hx;
    const double ty = 1e-3 * hy;
    const double big = 1e300;
    for (int round = 0; round < 30; ++round) {
        const double dx =
            hx > 0.0 ? along(x, hx, -big, big, [&](double t) { return measure(At(t, y)); }) : 0.0;
        const double dy = along(y, hy, 0.0, b, [&](double t) { return measure(At(x, t)); });
        if (dx <= tx && dy <= ty && hx <= 4.0 * tx && hy <= 4.0 * ty) {
            break;
        }
        hx = std::clamp(dx, tx, hx);
        hy = std::clamp(dy, ty, hy);
    }
    x = std::fmod(std::abs(x), a);
    if (x > 0.5 * a) {
        x = a - x;
    }
    return best;
}

PlateMaxima LevyPlate::Maxima() const {
    const double a = span_;
    const double b = height_;
    // Grid over 0 <= x <= a / 2, 0 <= y <= b: cells at most an eighth of the shorter side (the
    // edge effects decay over about that side / pi), at least 16 rows and 4 columns.
    const double cell = std::min(a, b) / 8.0;
    const int rows = CeilCount(b / cell, 16, 400);
    const int cols = CeilCount(0.5 * a / cell, 4, 400);
    const double hy = b / rows;
    const double hx = 0.5 * a / cols;
    const std::size_t nx = static_cast<std::size_t>(cols) + 1;
    const std::size_t ny = static_cast<std::size_t>(rows) + 1;
    const std::size_t n = modes_.size();

    // sin k x and cos k x at the columns, weighted by the last term's 1/2.
    std::vector<double> sines(n * nx);
    std::vector<double> cosines(n * nx);
    for (std::size_t i = 0; i < nx; ++i) {
        const double x = i + 1 == nx ? 0.5 * a : static_cast<double>(i) * hx;
        // sin and cos of m pi x / a for odd m, by rotation through 2 pi x / a.
        const double c1 = std::cos(kPi * x / a);
        const double s1 = std::sin(kPi * x / a);
        const double c2 = c1 * c1 - s1 * s1;
        const double s2 = 2.0 * c1 * s1;
        double co = c1;
        double si = s1;
        for (std::size_t m = 0; m < n; ++m) {
            sines[m * nx + i] = si * modes_[m].scale;
            cosines[m * nx + i] = co * modes_[m].scale;
            const double nextCo = co * c2 - si * s2;
            si = si * c2 + co * s2;
            co = nextCo;
        }
    }
    std::vector<double> moment(nx * ny);
    std::vector<double> deflection(nx * ny);
    std::vector<double> w(nx), mx(nx), my(nx), mxy(nx);
    const double pa = kPi / a;
    for (std::size_t j = 0; j < ny; ++j) {
        const double y = j + 1 == ny ? b : static_cast<double>(j) * hy;
        std::fill(w.begin(), w.end(), 0.0);
        std::fill(mx.begin(), mx.end(), 0.0);
        std::fill(my.begin(), my.end(), 0.0);
        std::fill(mxy.begin(), mxy.end(), 0.0);
        const double zy = std::exp(-pa * y);
        const double zv = std::exp(-pa * (b - y));
        double E = zy;
        double F = zv;
        for (std::size_t m = 0; m < n; ++m) {
            const ModeShare share = Share(modes_[m], y, E, F);
            const double* sm = &sines[m * nx];
            const double* cm = &cosines[m * nx];
            for (std::size_t i = 0; i < nx; ++i) {
                w[i] += sm[i] * share.w;
                mx[i] += sm[i] * share.mx;
                my[i] += sm[i] * share.my;
                mxy[i] += cm[i] * share.mxy;
            }
            E = E < kTiny ? 0.0 : E * zy * zy;
            F = F < kTiny ? 0.0 : F * zv * zv;
        }
        for (std::size_t i = 0; i < nx; ++i) {
            moment[j * nx + i] = PrincipalMoment({w[i], mx[i], my[i], mxy[i]});
            deflection[j * nx + i] = std::abs(w[i]);
        }
    }

    // The grid's local maxima, each with the peak a parabola through it and its neighbours
    // predicts (the values mirror about x = 0 and x = a / 2); those that may hold the largest
    // value are refined.
    struct Candidate {
        double estimate, x, y;
    };
    const auto candidates = [&](const std::vector<double>& values, bool centreOnly) {
        const auto value = [&](std::ptrdiff_t i, std::ptrdiff_t j) {
            const auto last = static_cast<std::ptrdiff_t>(nx) - 1;
            i = i < 0 ? -i : (i > last ? 2 * last - i : i);
            return values[static_cast<std::size_t>(j) * nx + static_cast<std::size_t>(i)];
        };
        // Offset of the vertex from the middle point, in steps, and the gain there.
        const auto vertex = [](double lo, double mid, double hi, double& offset) {
            const double curvature = lo - 2.0 * mid + hi;
            offset = curvature < 0.0 ? std::clamp(0.5 * (lo - hi) / curvature, -1.0, 1.0) : 0.0;
            return curvature < 0.0 ? -0.125 * (lo - hi) * (lo - hi) / curvature : 0.0;
        };
        std::vector<Candidate> found;
        const auto lastRow = static_cast<std::ptrdiff_t>(ny) - 1;
        const std::ptrdiff_t firstColumn = centreOnly ? static_cast<std::ptrdiff_t>(nx) - 1 : 0;
        for (std::ptrdiff_t j = 0; j <= lastRow; ++j) {
            for (std::ptrdiff_t i = firstColumn; i < static_cast<std::ptrdiff_t>(nx); ++i) {
                const double v = value(i, j);
                bool peak = true;
                for (std::ptrdiff_t dj = -1; dj <= 1 && peak; ++dj) {
                    for (std::ptrdiff_t di = centreOnly ? 0 : -1;
                         di <= (centreOnly ? 0 : 1) && peak; ++di) {
                        if (j + dj >= 0 && j + dj <= lastRow) {
                            peak = v >= value(i + di, j + dj);
                        }
                    }
                }
                if (!peak) {
                    continue;
                }
                double dx = 0.0;
                double dy = 0.0;
                double estimate = v + vertex(value(i - 1, j), v, value(i + 1, j), dx);
                if (j > 0 && j < lastRow) {
                    estimate += vertex(value(i, j - 1), v, value(i, j + 1), dy);
                }
                const double x =
                    static_cast<std::size_t>(i) + 1 == nx ? 0.5 * a : static_cast<double>(i) * hx;
                const double y = j == lastRow ? b : static_cast<double>(j) * hy;
                found.push_back({estimate, x + dx * hx, y + dy * hy});
            }
        }
        return found;
    };
    const auto search = [&](const std::vector<double>& values,
                            double (*measure)(const PlateResponse&), bool centreOnly, double& bestX,
                            double& bestY) {
        const std::vector<Candidate> found = candidates(values, centreOnly);
        double top = 0.0;
        for (const Candidate& c : found) {
            top = std::max(top, c.estimate);
        }
        double best = 0.0;
        for (const Candidate& c : found) {
            if (c.estimate < 0.97 * top) {
                continue;
            }
            double x = c.x;
            double y = c.y;
            const double value = Refine(measure, x, y, centreOnly ? 0.0 : 0.25 * hx, 0.25 * hy);
            if (value > best) {
                best = value;
                bestX = x;
                bestY = y;
            }
        }
        return best;
    };
    PlateMaxima result{};
    result.moment = search(moment, PrincipalMoment, false, result.momentX, result.momentY);
    // The deflection is largest on the centre line (the tests check this over the whole plate).
    result.w = search(deflection, Deflection, true, result.wX, result.wY);
    return result;
}

PlateCoefficients HydrostaticWall(double ratio, TopEdge top) {
    const double r = ClampRatio(ratio);
    if (std::isnan(r)) {
        return NanCoefficients();
    }
    return FromMaxima(LevyPlate(r, 1.0, top, PlateLoad::Hydrostatic).Maxima());
}

PlateCoefficients UniformPlate(double ratio) {
    if (std::isnan(ratio)) {
        return NanCoefficients();
    }
    // The sine series runs across the short side (span 1), the exact solution along the long
    // one: few terms then reach the limit, as the edge effects of the short edges decay quickly.
    const double magnitude = std::abs(ratio);
    const double r =
        std::clamp(magnitude >= 1.0 ? magnitude : 1.0 / magnitude, 1.0, kPlateMaxRatio);
    return FromMaxima(LevyPlate(1.0, r, TopEdge::Supported, PlateLoad::Uniform).Maxima());
}

} // namespace quellfin
