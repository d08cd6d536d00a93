#include "layout_table.h"

namespace velmora::layout {
namespace {

constexpr bool wholePixels(int twips) {
    return twips % kTwipsPerPixel == 0;
}

constexpr bool allInWholePixels() {
    if (!wholePixels(kClientWidth) || !wholePixels(kClientHeight))
        return false;
    for (const ControlLayout& c : kControls) {
        if (!wholePixels(c.left) || !wholePixels(c.top) || !wholePixels(c.width) ||
            !wholePixels(c.height))
            return false;
    }
    return true;
}

// Tab indices run from 0 without gaps, one per control.
constexpr bool tabIndicesComplete() {
    for (int tab = 0; tab < static_cast<int>(kControls.size()); ++tab) {
        int found = 0;
        for (const ControlLayout& c : kControls)
            found += c.tabIndex == tab ? 1 : 0;
        if (found != 1)
            return false;
    }
    return true;
}

// The names' table is in the enumeration's order, and each element of each
// control array appears in kControls exactly once, with its name's kind.
constexpr bool elementsComplete() {
    int expected = 0;
    for (std::size_t i = 0; i < kControlArrays.size(); ++i) {
        const ControlArray& a = kControlArrays[i];
        if (static_cast<std::size_t>(a.name) != i || (!a.indexed && a.count != 1))
            return false;
        expected += a.count;
        for (int index = 0; index < a.count; ++index) {
            int found = 0;
            for (const ControlLayout& c : kControls)
                found += (c.name == a.name && c.index == index) ? 1 : 0;
            if (found != 1)
                return false;
        }
    }
    for (const ControlLayout& c : kControls) {
        if (c.kind != arrayOf(c.name).kind || c.index < 0 || c.index >= arrayOf(c.name).count)
            return false;
    }
    return expected == static_cast<int>(kControls.size());
}

// Frame1 comes before the controls it contains, so it exists when they are made.
constexpr bool containersFirst() {
    bool frameSeen = false;
    for (const ControlLayout& c : kControls) {
        if (c.container == Container::Frame1 && !frameSeen)
            return false;
        frameSeen = frameSeen || c.name == ControlName::Frame1;
    }
    return true;
}

template <std::size_t N>
constexpr bool stackingComplete(const std::array<ControlRef, N>& order, Container container) {
    std::size_t inContainer = 0;
    for (const ControlLayout& c : kControls) {
        if (c.container != container)
            continue;
        ++inContainer;
        int found = 0;
        for (const ControlRef& ref : order)
            found += (ref == ControlRef{c.name, c.index}) ? 1 : 0;
        if (found != 1)
            return false;
    }
    return inContainer == N;
}

static_assert(allInWholePixels());
static_assert(tabIndicesComplete());
static_assert(elementsComplete());
static_assert(containersFirst());
static_assert(stackingComplete(kWindowStacking, Container::Window));
static_assert(stackingComplete(kFrameStacking, Container::Frame1));

} // namespace

const ControlLayout* layoutOf(ControlName name, int index) {
    const std::optional<std::size_t> position = positionOf(name, index);
    return position ? &kControls[*position] : nullptr;
}

std::string controlId(ControlName name, int index) {
    std::string id(arrayOf(name).text);
    if (arrayOf(name).indexed)
        id.append("(")
            .append(std::to_string(index))
            .append(")"); // no temporaries: g++ 12 -O2 warns falsely on them
    return id;
}

} // namespace velmora::layout
