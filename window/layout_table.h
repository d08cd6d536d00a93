// The make-up of the Velmora window as data: every control with its kind,
// container, position and size in twips, content, back colour, tab index and
// state as built. The window class walks these tables to build itself.
#pragma once

#include <velmora/cone_quantity.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::layout {

// 1440 twips to the inch; at 96 dots per inch that is 15 twips to the pixel.
inline constexpr int kTwipsPerPixel = 15;

// Twips to (logical) pixels. Every figure of the tables divides exactly.
constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The names of the controls; all but Frame1 and Picture1 are indexed arrays.
enum class ControlName { Label1, List1, Frame1, Check1, Text2, Picture1, Command1, Text1 };

enum class ControlKind {
    Label,            // opaque, centred caption, no border
    ListBox,          // sunken border, vertical scrolling
    Frame,            // captioned group that contains controls
    CheckBox,         // a quantity's marker
    TextBox,          // one line
    MultiLineTextBox, // word-wrapping, vertical scroll bar only
    PictureBox,       // sunken border around an unscaled picture
    CommandButton,    // solid coloured face
};

enum class Container { Window, Frame1 };

// Where a control's text or picture comes from.
enum class Content {
    None,
    Caption,        // ControlLayout::caption
    ListedPairs,    // the labels of the selectable combinations, in list order
    AssignmentText, // texts::kAssignmentText
    Saying,         // texts::kSaying
    ConeFigure,     // the cone picture resource
};

// A control's state as built, before any behaviour runs.
struct BuiltState {
    bool visible;
    bool enabled;
    bool locked;   // read-only text box
    int maxLength; // characters; 0: no limit of ours
};

inline constexpr BuiltState kShown{true, true, false, 0};
inline constexpr BuiltState kShownLocked{true, true, true, 0};
inline constexpr BuiltState kHiddenLocked{false, true, true, 0};
inline constexpr BuiltState kDisabled{true, false, false, 0}; // and unticked
inline constexpr BuiltState kLockedFourChars{true, true, true, 4};

struct ControlLayout {
    ControlName name;
    int index; // index in the control array; 0 for single controls
    ControlKind kind;
    Container container;
    int left; // twips from the container's top-left corner
    int top;
    int width;
    int height;
    Content content;
    std::string_view caption;
    std::optional<Rgb> backColour; // nothing: the platform's default colours
    int tabIndex;
    BuiltState state;
};

// The window itself.
inline constexpr int kClientWidth = 7215; // twips
inline constexpr int kClientHeight = 6360;
inline constexpr Rgb kWindowBackColour{192, 192, 255};

inline constexpr Rgb kStripColour{255, 192, 128};
inline constexpr Rgb kFrameBackColour{192, 192, 255};
inline constexpr Rgb kMarkerColour{128, 128, 255};
inline constexpr Rgb kCalculateColour{0, 255, 0};
inline constexpr Rgb kClearColour{255, 0, 0};

inline constexpr int kRowCount = static_cast<int>(kQuantityCount);
inline constexpr int kRowTop = 360; // twips, first quantity row inside Frame1
inline constexpr int kRowPitch = 360;

// Row `slot` of the frame: the quantity's marker, captioned with its symbol ...
constexpr ControlLayout markerRow(int slot) {
    return {.name = ControlName::Check1,
            .index = slot,
            .kind = ControlKind::CheckBox,
            .container = Container::Frame1,
            .left = 120,
            .top = kRowTop + kRowPitch * slot,
            .width = 615,
            .height = 405,
            .content = Content::Caption,
            .caption = kQuantities[static_cast<std::size_t>(slot)].symbol,
            .backColour = kMarkerColour,
            .tabIndex = 4 + 2 * slot,
            .state = kDisabled};
}

// ... and its value field.
constexpr ControlLayout valueRow(int slot) {
    return {.name = ControlName::Text2,
            .index = slot,
            .kind = ControlKind::TextBox,
            .container = Container::Frame1,
            .left = 840,
            .top = kRowTop + kRowPitch * slot,
            .width = 1335,
            .height = 405,
            .content = Content::None,
            .caption = {},
            .backColour = std::nullopt,
            .tabIndex = 5 + 2 * slot,
            .state = kLockedFourChars};
}

// Every control, containers before the controls they hold.
// clang-format off
inline constexpr std::array<ControlLayout, 19> kControls{{
    // name                 idx kind                           container             left   top  width height content                  caption                                                     back colour        tab  state
    {ControlName::Label1,   0, ControlKind::Label,            Container::Window,     240,    0, 6735,  375, Content::Caption,        "Математика - конус, радиус, височина, повърхнина, обем ", kStripColour,      2, kShown},
    {ControlName::Label1,   1, ControlKind::Label,            Container::Window,     120,  600, 1335,  375, Content::Caption,        "Дадени:",                                                 kStripColour,     17, kShown},
    {ControlName::List1,    0, ControlKind::ListBox,          Container::Window,     120,  960, 1335, 1485, Content::ListedPairs,    {},                                                        std::nullopt,     14, kShown},
    {ControlName::Frame1,   0, ControlKind::Frame,            Container::Window,    1560,  480, 2415, 2295, Content::Caption,        "Размери",                                                 kFrameBackColour,  3, kShown},
    markerRow(0), valueRow(0),
    markerRow(1), valueRow(1),
    markerRow(2), valueRow(2),
    markerRow(3), valueRow(3),
    markerRow(4), valueRow(4),
    {ControlName::Picture1, 0, ControlKind::PictureBox,       Container::Window,    4680,  600, 2115, 2490, Content::ConeFigure,     {},                                                        std::nullopt,     18, kShown},
    {ControlName::Command1, 0, ControlKind::CommandButton,    Container::Window,     240, 2880, 1335,  375, Content::Caption,        "Изчисли",                                                 kCalculateColour, 15, kShown},
    {ControlName::Command1, 1, ControlKind::CommandButton,    Container::Window,    2160, 2880, 1335,  375, Content::Caption,        "Изчисти",                                                 kClearColour,     16, kShown},
    {ControlName::Text1,    0, ControlKind::MultiLineTextBox, Container::Window,     120, 3480, 6855, 2775, Content::AssignmentText, {},                                                        std::nullopt,      0, kShownLocked},
    {ControlName::Text1,    1, ControlKind::MultiLineTextBox, Container::Window,     600, 4680, 6735, 1815, Content::Saying,         {},                                                        std::nullopt,      1, kHiddenLocked},
}};
// clang-format on

struct ControlRef {
    ControlName name;
    int index;

    friend constexpr bool operator==(const ControlRef&, const ControlRef&) = default;
};

// Stacking order in the window, from top to bottom.
inline constexpr std::array<ControlRef, 9> kWindowStacking{{
    {ControlName::Picture1, 0},
    {ControlName::Command1, 1},
    {ControlName::Command1, 0},
    {ControlName::List1, 0},
    {ControlName::Frame1, 0},
    {ControlName::Text1, 1},
    {ControlName::Text1, 0},
    {ControlName::Label1, 1},
    {ControlName::Label1, 0},
}};

// Stacking order in Frame1, from top to bottom: each lower row lies over the one above.
inline constexpr std::array<ControlRef, 10> kFrameStacking{{
    {ControlName::Text2, 4},
    {ControlName::Check1, 4},
    {ControlName::Text2, 3},
    {ControlName::Check1, 3},
    {ControlName::Text2, 2},
    {ControlName::Check1, 2},
    {ControlName::Text2, 1},
    {ControlName::Check1, 1},
    {ControlName::Text2, 0},
    {ControlName::Check1, 0},
}};

// What each control name stands for: its text in the program, the kind of
// all its elements, how many there are, and whether it is an indexed array.
struct ControlArray {
    ControlName name;
    std::string_view text;
    ControlKind kind;
    int count;
    bool indexed; // false for the single controls Frame1 and Picture1
};

// One line per ControlName, in the enumeration's order.
// clang-format off
inline constexpr std::array<ControlArray, 8> kControlArrays{{
    {ControlName::Label1,   "Label1",   ControlKind::Label,            2,         true},
    {ControlName::List1,    "List1",    ControlKind::ListBox,          1,         true},
    {ControlName::Frame1,   "Frame1",   ControlKind::Frame,            1,         false},
    {ControlName::Check1,   "Check1",   ControlKind::CheckBox,         kRowCount, true},
    {ControlName::Text2,    "Text2",    ControlKind::TextBox,          kRowCount, true},
    {ControlName::Picture1, "Picture1", ControlKind::PictureBox,       1,         false},
    {ControlName::Command1, "Command1", ControlKind::CommandButton,    2,         true},
    {ControlName::Text1,    "Text1",    ControlKind::MultiLineTextBox, 2,         true},
}};
// clang-format on

constexpr const ControlArray& arrayOf(ControlName name) {
    return kControlArrays[static_cast<std::size_t>(name)];
}

// The line of kControls that describes a control; nothing for a name and
// index that no control has. Every lookup of a control goes through here.
constexpr std::optional<std::size_t> positionOf(ControlName name, int index) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].name == name && kControls[i].index == index)
            return i;
    }
    return std::nullopt;
}

// The name whose text is `text` ("Text2"), or nothing.
constexpr std::optional<ControlName> controlNamed(std::string_view text) {
    for (const ControlArray& a : kControlArrays) {
        if (a.text == text)
            return a.name;
    }
    return std::nullopt;
}

// The control's line of kControls, or nullptr.
const ControlLayout* layoutOf(ControlName name, int index);

// Name and index as written in the program, e.g. "Text2(3)"; "Frame1" for single controls.
std::string controlId(ControlName name, int index);

} // namespace velmora::layout
