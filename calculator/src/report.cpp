#include "quellfin/report.hpp"

#include "quellfin/number_text.hpp"
#include "quellfin/round.hpp"

namespace quellfin {

double ExposureHours(std::int64_t n, const FieldSet& fields, const Quantities& q) {
    const double x = IntegerProduct(n, 100);
    const double area = q.bottomlength / 100 * q.bottomwidth / 100; // bottom pane in dm^2
    const double y = x * area;
    const double d = fields.bezgrunta.value() * 22.5;
    if (d == 0) {
        return 0;
    }
    return static_cast<double>(Round(y / d)) / 10;
}

namespace {

double SubstrateLitres(const FieldSet& f, const Quantities& q) {
    return q.innerlength * q.innerwidth * f.grunt.value() / 100000;
}

double SiliconeKilograms(const Quantities& q) {
    return q.siliconeweight / 1000; // grams of silicone, as kilograms
}

} // namespace

double WeightWithWaterAndSubstrate(const FieldSet& f, const Quantities& q) {
    const double v = f.vespustogo.value();
    const double k = SiliconeKilograms(q);
    const double r = f.real.value();
    const double s = f.vesgrunta.value();
    return static_cast<double>(Round(((v + k) + (r - SubstrateLitres(f, q)) + s) * 10)) / 10;
}

namespace {

// Writes one line from pieces: texts are copied, numbers go through the number text.
class LineWriter {
public:
    LineWriter(std::string& line, char32_t decimal) : line_(line), decimal_(decimal) {
        line_.clear();
    }
    LineWriter& operator<<(std::string_view text) {
        line_.append(text);
        return *this;
    }
    LineWriter& operator<<(double number) {
        AppendNumberText(line_, number, decimal_);
        return *this;
    }

private:
    std::string& line_;
    char32_t decimal_;
};

} // namespace

void BuildReport(Report& out, const FieldSet& f, const Quantities& q, char32_t decimal) {
    const auto line = [&](int number) { return LineWriter(out[number - 1], decimal); };
    const auto rounded = [](double x) { return static_cast<double>(Round(x)); };

    const double g = f.grunt.value();
    const double v = f.vespustogo.value();
    const double r = f.real.value();
    const double s = f.vesgrunta.value();
    const double k = SiliconeKilograms(q);
    const double substrateLitres = SubstrateLitres(f, q);
    const double lightSum = q.lumenmaximum + q.lumenminimum;
    const auto hours = [&](double n) { return ExposureHours(Round(n), f, q); };

    line(1) << "VIDROS (sem tampa)";
    line(2) << "Vidro de fundo: " << q.bottomlength / 10 << " x " << q.bottomwidth / 10
            << " cm - 1 unidade";
    line(3) << "Vidro dianteiro e traseiro: " << q.frontlength / 10 << " x " << q.frontheight / 10
            << " cm - 2 unidades";
    line(4) << "Vidros laterais: " << q.sidelength / 10 << " x " << q.sideheight / 10
            << " cm - 2 unidades";
    line(5) << "Espessura do vidro: " << f.steklo.value() << " mm ";
    line(6) << "Camada de silicone ente os vidros: " << f.sloi.value() << " mm ";
    line(7);
    line(8) << "VOLUME";
    line(9) << "Volume total: " << f.total.value() << " l";
    line(10) << "Volume de água real: " << r << " l";
    line(11) << "Volume de água com substrato: " << f.bezgrunta.value() << " l";
    line(12);
    line(13) << "SUBSTRATO";
    line(14) << "Tipo: " << std::string_view(f.plotnost.selectedText());
    line(15) << "Altura do substrato: " << g << " cm ";
    line(16) << "Volume do substrato: " << rounded(substrateLitres) << " l";
    line(17) << "Peso do substrato: " << s << " kg ";
    line(18);
    line(19) << "PESO";
    line(20) << "Peso do vidro: " << rounded(v * 100) / 100 << " kg ";
    line(21) << "Peso do silicone: " << rounded(q.siliconeweight) << " g ";
    line(22) << "Peso do aquário sem água: " << rounded((v + k) * 10) / 10 << " kg ";
    line(23) << "Peso com água: " << rounded((v + k + r) * 10) / 10 << " kg ";
    line(24) << "Peso com água e substrato: " << WeightWithWaterAndSubstrate(f, q) << " kg ";
    line(25);
    line(26) << "LUZ";
    line(27) << "Tipo: LED";
    line(28) << "Mínimo: " << q.lumenminimum << " lumen ";
    line(29) << "Máximo: " << q.lumenmaximum << " lumen ";
    line(30) << "Recomendado: " << RoundTimes(lightSum / 200, 100) << " lumen ";
    line(31) << "Tempo de exposição: " << hours(q.lumenminimum / 100) << "-"
             << hours(q.lumenmaximum / 100) << " horas ";
    line(32) << "Exposição recomendada: " << hours(lightSum / 200) << " horas ";
    line(33);
    line(34) << "FILTRAGEM";
    line(35) << "Volume de filtragem: " << f.nasosminimum.value() << " - " << f.nasos.value()
             << " l/h ";
    line(36) << "Volume de filtragem recomendada: "
             << RoundTimes((f.nasosminimum.value() + f.nasos.value()) / 200, 100) << " l/h ";
    line(37);
}

Report BuildReport(const FieldSet& fields, const Quantities& q, char32_t decimal) {
    Report report;
    BuildReport(report, fields, q, decimal);
    return report;
}

std::string ReportText(const Report& report) {
    std::string text;
    for (const std::string& line : report) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace quellfin
