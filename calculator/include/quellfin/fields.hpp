#pragma once

#include "quellfin/choice_list.hpp"
#include "quellfin/number_field.hpp"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quellfin {

// The eight number inputs, in the order the window declares them.
enum class InputId { dlina, visota, shirina, steklo, sloi, zatirka, grunt, voda };
// The seven hidden results.
enum class ResultId { total, real, vespustogo, bezgrunta, nasosminimum, nasos, vesgrunta };
enum class ChoiceId { plotnost, rastenia, riba };
enum class RadioId { RadioButton1, RadioButton2 };

inline constexpr std::size_t kInputCount = 8;
inline constexpr std::size_t kResultCount = 7;
inline constexpr std::size_t kChoiceCount = 3;

inline constexpr double kFieldMin = 0;
inline constexpr double kFieldMax = 100000;

struct InputDefinition {
    InputId id;
    std::string_view name;
    std::string_view label;
    int decimalDigits;
    double defaultValue;
};

// Every input is a Float field within 0..100000.
inline constexpr std::array<InputDefinition, kInputCount> kInputs{{
    {InputId::dlina, "dlina", "Largura (cm) X", 2, 60},
    {InputId::visota, "visota", "Altura (cm) Z", 2, 40},
    {InputId::shirina, "shirina", "Profundidade (cm) Y", 2, 30},
    {InputId::steklo, "steklo", "Espessura do vidro (mm)", 1, 4},
    {InputId::sloi, "sloi", "Camada de silicone (mm)", 1, 1},
    {InputId::zatirka, "zatirka", "Largura de silicone (mm)", 1, 10},
    {InputId::grunt, "grunt", "Altura do substrato (cm)", 2, 6},
    // Scaled by 10 in the calculation like the centimetre fields, so the label says cm.
    {InputId::voda, "voda", "De canto até a água (cm)", 1, 3},
}};

struct ResultDefinition {
    ResultId id;
    std::string_view name;
    ValueType valueType;
};

// Hidden results: 0..100000, default 0, two decimals, no change handler.
inline constexpr std::array<ResultDefinition, kResultCount> kResults{{
    {ResultId::total, "total", ValueType::Integer},
    {ResultId::real, "real", ValueType::Integer},
    {ResultId::vespustogo, "vespustogo", ValueType::Float},
    {ResultId::bezgrunta, "bezgrunta", ValueType::Integer},
    {ResultId::nasosminimum, "nasosminimum", ValueType::Integer},
    {ResultId::nasos, "nasos", ValueType::Integer},
    {ResultId::vesgrunta, "vesgrunta", ValueType::Float},
}};

inline constexpr std::array<std::string_view, 3> kPlotnostItems{
    "Areia ou Basalto (1,5)", "Propping agents (1,8)", "Pedras de mármore (2,7)"};
inline constexpr std::array<std::string_view, 3> kRasteniaItems{"Quase sem plantas", "Com plantas",
                                                                "Tem muitas plantas"};
inline constexpr std::array<std::string_view, 6> kRibaItems{
    "Somente plantas", "Muito pouco", "Pouco", "Médio", "Alta quantidade", "Muito"};

struct ChoiceDefinition {
    ChoiceId id;
    std::string_view name;
    std::string_view label;
    std::span<const std::string_view> items;
    int defaultIndex;
};

inline constexpr std::array<ChoiceDefinition, kChoiceCount> kChoices{{
    {ChoiceId::plotnost, "plotnost", "Dencidade do substrato (kg/l)", kPlotnostItems, 0},
    {ChoiceId::rastenia, "rastenia", "Plantas", kRasteniaItems, 1},
    {ChoiceId::riba, "riba", "Animais", kRibaItems, 3},
}};

struct RadioDefinition {
    RadioId id;
    std::string_view name;
    std::string_view text;
    bool defaultChecked;
};

inline constexpr std::array<RadioDefinition, 2> kRadios{{
    {RadioId::RadioButton1, "RadioButton1", "Em cima do vidro do fundo", true},
    {RadioId::RadioButton2, "RadioButton2", "Do lado do vidro do fundo", false},
}};

// Every field the calculation works on, holding its stored defaults. No field fires an event
// until a handler is set.
class FieldSet {
public:
    explicit FieldSet(const Separators& separators);

    FieldSet(const FieldSet&) = delete;
    FieldSet& operator=(const FieldSet&) = delete;

    NumberField dlina;
    NumberField visota;
    NumberField shirina;
    NumberField steklo;
    NumberField sloi;
    NumberField zatirka;
    NumberField grunt;
    NumberField voda;

    NumberField total;
    NumberField real;
    NumberField vespustogo;
    NumberField bezgrunta;
    NumberField nasosminimum;
    NumberField nasos;
    NumberField vesgrunta;

    ChoiceList plotnost;
    ChoiceList rastenia;
    ChoiceList riba;

    // The construction method: walls standing on the bottom pane when RadioButton1 is checked,
    // bottom pane set between the walls otherwise. The pair is exclusive.
    bool RadioButton1Checked = kRadios[0].defaultChecked;
    [[nodiscard]] bool isChecked(RadioId id) const noexcept {
        return (id == RadioId::RadioButton1) == RadioButton1Checked;
    }

    NumberField& input(InputId id) noexcept { return this->*kInputMembers[Index(id)]; }
    const NumberField& input(InputId id) const noexcept { return this->*kInputMembers[Index(id)]; }
    NumberField& result(ResultId id) noexcept { return this->*kResultMembers[Index(id)]; }
    const NumberField& result(ResultId id) const noexcept {
        return this->*kResultMembers[Index(id)];
    }
    ChoiceList& choice(ChoiceId id) noexcept { return this->*kChoiceMembers[Index(id)]; }
    const ChoiceList& choice(ChoiceId id) const noexcept {
        return this->*kChoiceMembers[Index(id)];
    }

private:
    template <typename Id> static constexpr std::size_t Index(Id id) noexcept {
        return static_cast<std::size_t>(id);
    }
    static constexpr std::array<NumberField FieldSet::*, kInputCount> kInputMembers{
        &FieldSet::dlina, &FieldSet::visota,  &FieldSet::shirina, &FieldSet::steklo,
        &FieldSet::sloi,  &FieldSet::zatirka, &FieldSet::grunt,   &FieldSet::voda};
    static constexpr std::array<NumberField FieldSet::*, kResultCount> kResultMembers{
        &FieldSet::total,        &FieldSet::real,  &FieldSet::vespustogo, &FieldSet::bezgrunta,
        &FieldSet::nasosminimum, &FieldSet::nasos, &FieldSet::vesgrunta};
    static constexpr std::array<ChoiceList FieldSet::*, kChoiceCount> kChoiceMembers{
        &FieldSet::plotnost, &FieldSet::rastenia, &FieldSet::riba};
};

} // namespace quellfin
