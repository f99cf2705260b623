#pragma once

#include <vector>

namespace quellfin {

// Thin-plate (Kirchhoff) bending coefficients of the tank's panes, from a Lévy single series.
//
// sigma_max = beta q b^2 / t^2 is the largest principal bending stress on the plate and
// w_max = alpha q b^4 / (E t^3) the largest deflection, for a load q, a plate thickness t,
// Young's modulus E and Poisson's ratio 0.3.

inline constexpr double kPlatePoisson = 0.3;
// Ratios outside [kPlateMinRatio, kPlateMaxRatio] are clamped to the nearer bound.
inline constexpr double kPlateMinRatio = 0.05;
inline constexpr double kPlateMaxRatio = 20.0;

enum class TopEdge { Supported, Free }; // braced or framed top, or rimless (free) top

struct PlateCoefficients {
    double beta;
    double alpha;
};

// A wall: a plate of horizontal span a and height b, both vertical edges and the bottom edge
// simply supported, the top edge as given, under the water pressure p(y) = q (1 - y / b): q at
// the bottom edge (y = 0), zero at the top edge (y = b). ratio = a / b. A NaN ratio gives NaN.
PlateCoefficients HydrostaticWall(double ratio, TopEdge top);

// The bottom: a plate a x b simply supported on all four edges under a uniform load q; beta and
// alpha refer to b, the SHORT side. ratio = a / b; a ratio below 1 is read as its reciprocal
// (the same plate turned), so the coefficients always refer to the short side.
PlateCoefficients UniformPlate(double ratio);

enum class PlateLoad { Hydrostatic, Uniform };

// Bending response at one point of the plate, for q = 1 and D = E t^3 / (12 (1 - nu^2)) = 1,
// lengths in the unit of the plate's span and height:
// w the deflection (along the load), mx, my the bending moments per unit length (positive when
// they stretch the face away from the load), mxy the twisting moment.
struct PlateResponse {
    double w;
    double mx;
    double my;
    double mxy;
};

// The largest principal bending moment and the largest deflection over the plate, and where
// they lie.
struct PlateMaxima {
    double moment; // largest |principal moment|: |mx + my| / 2 + sqrt(((mx - my) / 2)^2 + mxy^2)
    double momentX, momentY;
    double w; // largest |w|
    double wX, wY;
};

// The principal moment magnitude of a response.
double PrincipalMoment(const PlateResponse& r);

// The Lévy solution itself: a plate of span a (x from 0 to a, the edges x = 0 and x = a simply
// supported) and height b (y from 0 to b, the bottom edge y = 0 simply supported, the top edge
// y = b as given), loaded by q (1 - y / b) or by q. w = sum over odd m of Y_m(y) sin(m pi x / a),
// each Y_m solved exactly across the height. span and height must be positive.
class LevyPlate {
public:
    LevyPlate(double span, double height, TopEdge top, PlateLoad load);
    LevyPlate(double span, double height, TopEdge top, PlateLoad load, int terms);

    // The number of odd series terms that keeps beta within 5e-5 and alpha within 1e-7 of the
    // series' limit.
    static int TermsFor(double span, double height);

    int terms() const { return static_cast<int>(modes_.size()); }
    double span() const { return span_; }
    double height() const { return height_; }

    // Any point, also just outside the plate (the series is analytic there).
    PlateResponse At(double x, double y) const;
    // Searches the whole plate: a grid over the half 0 <= x <= a / 2 (the other half mirrors
    // it), then a local refinement around each candidate.
    PlateMaxima Maxima() const;

private:
    struct Mode {
        double k;      // m pi / a
        double scale;  // 1, or 1/2 for the last term: the mean of the last two partial sums
        double p0, p1; // particular solution p0 + p1 y
        double c[4];   // coefficients of e^-ky, ky e^-ky, e^-k(b-y), k(b-y) e^-k(b-y)
    };
    struct ModeShare {
        double w, mx, my, mxy;
    };
    ModeShare Share(const Mode& mode, double y, double E, double F) const;
    double Refine(double (*measure)(const PlateResponse&), double& x, double& y, double hx,
                  double hy) const;

    double span_;
    double height_;
    std::vector<Mode> modes_;
};

} // namespace quellfin
