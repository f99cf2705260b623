#include "window_layout.hpp"

#include <algorithm>

namespace quellfin::shell {

std::vector<std::string_view> TabChain() {
    struct Stop {
        int tabOrder;
        std::string_view name;
    };
    std::vector<Stop> groups;
    for (const GroupLayout& g : kGroups) {
        groups.push_back({g.tabOrder, g.name});
    }
    groups.push_back({kMemoTabOrder, kMemoName});
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Stop& a, const Stop& b) { return a.tabOrder < b.tabOrder; });

    std::vector<std::string_view> chain;
    for (const Stop& group : groups) {
        if (group.name == kMemoName) {
            chain.push_back(kMemoName);
            continue;
        }
        std::vector<Stop> inside;
        for (const ControlLayout& c : kControls) {
            if (c.group == group.name) {
                inside.push_back({c.tabOrder, c.name});
            }
        }
        if (group.name == kConstructionGroup) {
            for (const RadioLayout& r : kRadioButtons) {
                inside.push_back({r.tabOrder, r.name});
            }
        }
        std::stable_sort(inside.begin(), inside.end(),
                         [](const Stop& a, const Stop& b) { return a.tabOrder < b.tabOrder; });
        for (const Stop& stop : inside) {
            chain.push_back(stop.name);
        }
    }
    return chain;
}

} // namespace quellfin::shell

namespace quellfin::shell {

int RoomToTheRight(std::string_view group, const Box& box) {
    constexpr int kGap = 6;
    int right = box.x + box.width;
    for (const GroupLayout& g : kGroups) {
        if (g.name == group) {
            right = g.box.width - kGap;
        }
    }
    const auto consider = [&](const Box& other) {
        const bool sameRow = other.y < box.y + box.height && box.y < other.y + other.height;
        if (sameRow && other.x > box.x) {
            right = std::min(right, other.x - kGap);
        }
    };
    for (const ControlLayout& c : kControls) {
        if (c.group == group) {
            consider(c.labelBox);
            consider(c.box);
        }
    }
    if (group == kConstructionGroup) {
        for (const RadioLayout& r : kRadioButtons) {
            consider(r.box);
        }
        for (const PictureLayout& p : kPictures) {
            consider(p.box);
        }
    }
    return std::max(right - box.x, box.width);
}

} // namespace quellfin::shell
