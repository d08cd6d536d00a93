#include "layout_table.h"

namespace velmora::layout {
namespace {

constexpr bool wholePixels(int twips) {
    return twips % kTwipsPerPixel == 0;
}

// Every figure converts to pixels without a remainder.
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
static_assert(allInWholePixels());

// In the order of ControlName.
constexpr std::array<std::string_view, 8> kNameTexts{
    "Label1", "List1", "Frame1", "Check1", "Text2", "Picture1", "Command1", "Text1",
};

} // namespace

std::string controlId(ControlName name, int index) {
    std::string id(kNameTexts.at(static_cast<std::size_t>(name)));
    if (name != ControlName::Frame1 && name != ControlName::Picture1)
        id.append("(")
            .append(std::to_string(index))
            .append(")"); // no temporaries: g++ 12 -O2 warns falsely on them
    return id;
}

} // namespace velmora::layout
