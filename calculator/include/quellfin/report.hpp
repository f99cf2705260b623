#pragma once

#include "quellfin/calculation.hpp"
#include "quellfin/fields.hpp"

#include <array>
#include <string>

namespace quellfin {

inline constexpr std::size_t kReportLines = 37;
using Report = std::array<std::string, kReportLines>;

// The report of one run: the quantities of that run and the values read back from the fields,
// every number written with the given decimal separator.
void BuildReport(Report& out, const FieldSet& fields, const Quantities& q, char32_t decimal);
Report BuildReport(const FieldSet& fields, const Quantities& q, char32_t decimal);

// Light in tenths of an hour per day for n hundreds of lumen on the bottom pane; 0 when there is
// no water above the substrate to light.
double ExposureHours(std::int64_t n, const FieldSet& fields, const Quantities& q);

// The weight with water and substrate in kg, rounded to tenths, as the report prints it.
double WeightWithWaterAndSubstrate(const FieldSet& fields, const Quantities& q);

// The lines joined by newlines, each line ending in one (the last line is empty, so the text ends
// in a blank line).
std::string ReportText(const Report& report);

} // namespace quellfin
