#include "quellfin/fields.hpp"

namespace quellfin {

namespace {

FieldSettings InputSettings(InputId id) {
    const InputDefinition& d = kInputs[static_cast<std::size_t>(id)];
    return {ValueType::Float, d.decimalDigits, kFieldMin, kFieldMax, d.defaultValue};
}

FieldSettings ResultSettings(ResultId id) {
    const ResultDefinition& d = kResults[static_cast<std::size_t>(id)];
    return {d.valueType, 2, kFieldMin, kFieldMax, 0};
}

const ChoiceDefinition& Choice(ChoiceId id) {
    return kChoices[static_cast<std::size_t>(id)];
}

} // namespace

FieldSet::FieldSet(const Separators& separators)
    : dlina(InputSettings(InputId::dlina), separators),
      visota(InputSettings(InputId::visota), separators),
      shirina(InputSettings(InputId::shirina), separators),
      steklo(InputSettings(InputId::steklo), separators),
      sloi(InputSettings(InputId::sloi), separators),
      zatirka(InputSettings(InputId::zatirka), separators),
      grunt(InputSettings(InputId::grunt), separators),
      voda(InputSettings(InputId::voda), separators),
      total(ResultSettings(ResultId::total), separators),
      real(ResultSettings(ResultId::real), separators),
      vespustogo(ResultSettings(ResultId::vespustogo), separators),
      bezgrunta(ResultSettings(ResultId::bezgrunta), separators),
      nasosminimum(ResultSettings(ResultId::nasosminimum), separators),
      nasos(ResultSettings(ResultId::nasos), separators),
      vesgrunta(ResultSettings(ResultId::vesgrunta), separators),
      plotnost(Choice(ChoiceId::plotnost).items, Choice(ChoiceId::plotnost).defaultIndex),
      rastenia(Choice(ChoiceId::rastenia).items, Choice(ChoiceId::rastenia).defaultIndex),
      riba(Choice(ChoiceId::riba).items, Choice(ChoiceId::riba).defaultIndex) {}

} // namespace quellfin
