#include "layout_table.h"

#include <stdexcept>

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

// Each element of each control array appears exactly once, with its name's kind.
constexpr bool elementsComplete() {
    int expected = 0;
    for (ControlName name :
         {ControlName::Label1, ControlName::List1, ControlName::Frame1, ControlName::Check1,
          ControlName::Text2, ControlName::Picture1, ControlName::Command1, ControlName::Text1}) {
        expected += elementCount(name);
        for (int index = 0; index < elementCount(name); ++index) {
            int found = 0;
            for (const ControlLayout& c : kControls)
                found += (c.name == name && c.index == index) ? 1 : 0;
            if (found != 1)
                return false;
        }
    }
    for (const ControlLayout& c : kControls) {
        if (c.kind != kindOf(c.name) || c.index < 0 || c.index >= elementCount(c.name))
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

const char* nameText(ControlName name) {
    switch (name) {
    case ControlName::Label1:
        return "Label1";
    case ControlName::List1:
        return "List1";
    case ControlName::Frame1:
        return "Frame1";
    case ControlName::Check1:
        return "Check1";
    case ControlName::Text2:
        return "Text2";
    case ControlName::Picture1:
        return "Picture1";
    case ControlName::Command1:
        return "Command1";
    case ControlName::Text1:
        return "Text1";
    }
    return "?";
}

} // namespace

const ControlLayout& layoutOf(ControlName name, int index) {
    for (const ControlLayout& c : kControls) {
        if (c.name == name && c.index == index)
            return c;
    }
    throw std::out_of_range("no such control: " + controlId(name, index));
}

std::string controlId(ControlName name, int index) {
    std::string id = nameText(name);
    if (name != ControlName::Frame1 && name != ControlName::Picture1)
        id.append("(")
            .append(std::to_string(index))
            .append(")"); // no temporaries: g++ 12 -O2 warns falsely on them
    return id;
}

} // namespace velmora::layout
