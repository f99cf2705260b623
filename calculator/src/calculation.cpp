#include "quellfin/calculation.hpp"

#include "quellfin/round.hpp"

namespace quellfin {

namespace {

constexpr double kDensity[] = {1.5, 1.8, 2.7};
constexpr double kLumenPerArea[] = {6000, 10000, 15000};
constexpr double kLumenPerLitre[] = {40, 50, 60};

} // namespace

// Every formula is evaluated left to right exactly as written: the order of the operations decides
// which results land on a rounding tie.
Quantities Calculate(FieldSet& f) {
    Quantities q;
    const double L = f.dlina.value();
    const double W = f.shirina.value();
    const double H = f.visota.value();
    const double t = f.steklo.value();
    const double s = f.sloi.value();
    const double z = f.zatirka.value();
    const double g = f.grunt.value();
    const double v = f.voda.value();

    q.substratedensity = kDensity[f.plotnost.itemIndex()];
    q.lumenperarea = kLumenPerArea[f.rastenia.itemIndex()];
    q.lumenperlitre = kLumenPerLitre[f.rastenia.itemIndex()];
    q.stockingfactor = f.riba.itemIndex() + 1;

    q.frontlength = L * 10;
    q.sidelength = W * 10 - s * 2 - t * 2;
    if (f.RadioButton1Checked) { // walls standing on the bottom pane
        q.bottomlength = L * 10;
        q.bottomwidth = W * 10;
        q.frontheight = H * 10 - t - s;
        q.sideheight = q.frontheight;
        q.layervolume = s * t * q.frontlength * 2 + s * t * (q.sidelength + s + s) * 2 +
                        s * t * (s + q.frontheight) * 4;
    } else { // bottom pane between the walls
        q.bottomlength = L * 10 - s * 2 - t * 2;
        q.bottomwidth = q.sidelength;
        q.frontheight = H * 10;
        q.sideheight = q.frontheight;
        q.layervolume = s * t * q.frontlength * 2 + s * t * (q.sidelength + s + s) * 2 +
                        s * t * (q.frontheight - t + s) * 4;
    }

    q.innerlength = L * 10 - t * 2;
    q.innerwidth = W * 10 - t * 2;

    q.beadvolume = q.innerlength * kPi * z * z / 4 * 2 + q.innerwidth * kPi * z * z / 4 * 2 +
                   (H * 10 - t) * kPi * z * z / 4 * 4;
    q.siliconeweight = RoundTimes((q.beadvolume + q.layervolume) / 100000, 100);

    f.total.store(L * W * H / 1000);

    q.waterlevel = H * 10 - t - v * 10;
    f.real.store(q.innerlength * q.innerwidth * q.waterlevel / 1000000);

    f.vespustogo.store((q.bottomlength * q.bottomwidth * t * 2.5 +
                        q.frontlength * q.frontheight * t * 5 +
                        q.sidelength * q.sideheight * t * 5) /
                       1000000);

    q.waterdepth = H * 10 - t - v * 10 - g * 10;
    f.bezgrunta.store(q.innerlength * q.innerwidth * q.waterdepth / 1000000);

    f.nasosminimum.store(RoundTimes(f.real.value() * q.stockingfactor / 100, 100));
    f.nasos.store(RoundTimes(f.real.value() * q.stockingfactor * 4 / 100, 100));

    f.vesgrunta.store(
        static_cast<double>(Round(q.innerlength * q.innerwidth * g * q.substratedensity / 1000)) /
        100);

    q.bottomlumen = Round(q.innerlength * q.innerwidth * q.lumenperarea / 1000000);
    q.lumenminimum =
        RoundTimes(static_cast<double>(q.bottomlumen) * q.waterdepth / 1000 * 3 / 100, 100);
    q.lumenmaximum = RoundTimes(f.bezgrunta.value() * q.lumenperlitre / 100, 100);
    return q;
}

} // namespace quellfin
