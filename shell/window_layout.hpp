#pragma once

// The main window as data: every position, size, caption and tab order in one place. Positions of
// components inside a group are relative to the group's top-left corner, caption included.

#include <array>
#include <string_view>

namespace quellfin::shell {

struct Box {
    int x, y, width, height;
};

inline constexpr std::string_view kCaption = "Quellfin v1.0";
inline constexpr int kClientWidth = 938;
inline constexpr int kClientHeight = 667;
inline constexpr Box kMenuBar{0, 0, kClientWidth, 30};
// The layout was drawn for captions of this size.
inline constexpr int kFontPixelSize = 11;

struct GroupLayout {
    std::string_view name;
    std::string_view caption;
    Box box;
    int tabOrder;
};

// The visible groups, and the report area that takes its place among them in the tab order.
inline constexpr std::array<GroupLayout, 4> kGroups{{
    {"GroupBox1", "Tamanho do aquário", {8, 38, 473, 139}, 3},
    {"GroupBox5", "Construção", {8, 185, 473, 272}, 48},
    {"GroupBox3", "Substrato", {8, 465, 224, 193}, 1},
    {"GroupBox4", "Organismos", {240, 465, 241, 193}, 2},
}};
inline constexpr std::string_view kMemoName = "Memo1";
inline constexpr Box kMemo{489, 48, 432, 610};
inline constexpr int kMemoTabOrder = 5;

// An editing control inside a group: a number box or a choice list, named as its field, with the
// label that stands above it (its text comes from the field's definition).
struct ControlLayout {
    std::string_view name;
    std::string_view group;
    Box box;
    int tabOrder;
    std::string_view label;
    Box labelBox;
};

inline constexpr std::array<ControlLayout, 11> kControls{{
    {"dlina", "GroupBox1", {17, 49, 145, 22}, 48, "Label1", {17, 31, 89, 17}},
    {"visota", "GroupBox1", {170, 49, 143, 22}, 41, "Label3", {170, 31, 89, 17}},
    {"shirina", "GroupBox1", {321, 49, 136, 22}, 42, "Label2", {321, 31, 120, 17}},
    {"steklo", "GroupBox1", {17, 101, 145, 22}, 40, "Label6", {17, 83, 145, 17}},
    {"sloi", "GroupBox1", {170, 101, 143, 22}, 39, "Label7", {170, 83, 143, 17}},
    {"zatirka", "GroupBox1", {321, 101, 136, 22}, 38, "Label8", {321, 83, 136, 17}},
    {"grunt", "GroupBox3", {20, 49, 184, 22}, 38, "Label4", {20, 31, 184, 17}},
    {"plotnost", "GroupBox3", {20, 97, 184, 22}, 59, "Label5", {20, 79, 184, 17}},
    {"voda", "GroupBox3", {20, 145, 184, 22}, 41, "Label14", {20, 127, 184, 17}},
    {"rastenia", "GroupBox4", {20, 49, 185, 22}, 48, "Label16", {20, 31, 137, 17}},
    {"riba", "GroupBox4", {20, 97, 185, 22}, 49, "Label18", {20, 79, 137, 17}},
}};

// The one label that trims its text at a word boundary when it does not fit.
inline constexpr std::string_view kTrimmingLabel = "Label7";

inline constexpr std::string_view kConstructionGroup = "GroupBox5";

struct RadioLayout {
    std::string_view name;
    Box box;
    int tabOrder;
};
inline constexpr std::array<RadioLayout, 2> kRadioButtons{{
    {"RadioButton1", {24, 29, 169, 19}, 39},
    {"RadioButton2", {241, 29, 177, 19}, 38},
}};

struct PictureLayout {
    std::string_view name;
    Box box;
    std::string_view resource;
};
inline constexpr std::array<PictureLayout, 2> kPictures{{
    {"Image1", {24, 56, 200, 200}, ":/quellfin/construction-walls-on-bottom.svg"},
    {"Image2", {241, 56, 200, 200}, ":/quellfin/construction-bottom-between-walls.svg"},
}};

inline constexpr std::string_view kIconResource = ":/quellfin/quellfin.svg";

} // namespace quellfin::shell

#include <vector>

namespace quellfin::shell {

// The names of the focusable components in the order Tab visits them: groups (and the report)
// by ascending tab order, and within a group its controls by ascending tab order.
std::vector<std::string_view> TabChain();

} // namespace quellfin::shell

namespace quellfin::shell {

// How wide a caption that starts at `box` inside `group` may grow before it meets the next
// component on its row or the group's frame: used when the platform's font is wider than the one
// the layout was drawn for.
int RoomToTheRight(std::string_view group, const Box& box);

} // namespace quellfin::shell
