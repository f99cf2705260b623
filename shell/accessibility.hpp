#pragma once

// What a screen reader says about the window: every field by its label's text, the report by its
// name, the construction buttons as radio buttons, the pictures as images with a description.

#include "quellfin/glass_check.hpp"

#include <array>
#include <string_view>
#include <vector>

class QWidget;

namespace quellfin::shell {

inline constexpr std::string_view kReportAccessibleName = "Relatório";
inline constexpr std::string_view kReportAccessibleDescription =
    "O relatório do aquário: vidros a cortar, volumes, substrato, pesos, luz e filtragem";

struct PictureDescription {
    std::string_view name;  // the picture's component
    std::string_view title; // what it shows, in a few words
    std::string_view description;
};

inline constexpr std::array<PictureDescription, 2> kPictureDescriptions{{
    {"Image1", "Paredes em cima do vidro do fundo",
     "Desenho do aquário sem tampa: o vidro do fundo tem o tamanho externo do aquário, e as "
     "paredes da frente, de trás e dos lados ficam em pé sobre ele."},
    {"Image2", "Vidro do fundo entre as paredes",
     "Desenho do aquário sem tampa: as paredes da frente, de trás e dos lados vão até embaixo, e "
     "o vidro do fundo, menor, fica entre elas."},
}};

// One component as a screen reader should announce it.
struct AccessibleText {
    std::string_view component; // object name
    std::string_view name;
    std::string_view description;
};

// Every component the window names, from the field definitions and the tables above.
std::vector<AccessibleText> AccessibleTexts();

// Gives the components whose accessible objects differ from Qt's: the construction buttons (which
// leave exclusivity to the form) are radio buttons, the lists are named by their labels on every
// platform, the pictures are images.
void InstallAccessibleRoles();

// Installs those roles, names and describes the window's components and ties each label to its
// field. Call once the components are built.
void DescribeForScreenReaders(QWidget* window);

// The glass check's icon: "Verificação do vidro", with the verdict and the summary as description.
void DescribeGlassVerdict(QWidget* icon, const GlassCheck& check, char32_t decimal);

} // namespace quellfin::shell
