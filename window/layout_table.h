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

// The names of the controls, which also say what kind of control each is.
// All but Frame1 and Picture1 are indexed arrays.
enum class ControlName {
    Label1,   // opaque, centred caption, no border
    List1,    // list box: sunken border, vertical scrolling
    Frame1,   // captioned group that contains controls
    Check1,   // a quantity's marker
    Text2,    // one-line text box
    Picture1, // sunken border around an unscaled picture
    Command1, // button with a solid coloured face
    Text1,    // multi-line text box: word-wrapping, vertical scroll bar only
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
    bool locked; // read-only text box
};

inline constexpr BuiltState kShown{true, true, false};
inline constexpr BuiltState kShownLocked{true, true, true};
inline constexpr BuiltState kHiddenLocked{false, true, true};
inline constexpr BuiltState kDisabled{true, false, false}; // and unticked

struct ControlLayout {
    ControlName name;
    int index; // index in the control array; 0 for single controls
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
            .container = Container::Frame1,
            .left = 840,
            .top = kRowTop + kRowPitch * slot,
            .width = 1335,
            .height = 405,
            .content = Content::None,
            .caption = {},
            .backColour = std::nullopt,
            .tabIndex = 5 + 2 * slot,
            .state = kShownLocked};
}

// Every control, containers before the controls they hold.
// clang-format off
inline constexpr std::array<ControlLayout, 19> kControls{{
    // name                 idx container             left   top  width height content                  caption                                                     back colour        tab  state
    {ControlName::Label1,   0, Container::Window,     240,    0, 6735,  375, Content::Caption,        "Математика - конус, радиус, височина, повърхнина, обем ", kStripColour,      2, kShown},
    {ControlName::Label1,   1, Container::Window,     120,  600, 1335,  375, Content::Caption,        "Дадени:",                                                 kStripColour,     17, kShown},
    {ControlName::List1,    0, Container::Window,     120,  960, 1335, 1485, Content::ListedPairs,    {},                                                        std::nullopt,     14, kShown},
    {ControlName::Frame1,   0, Container::Window,    1560,  480, 2415, 2295, Content::Caption,        "Размери",                                                 kFrameBackColour,  3, kShown},
    markerRow(0), valueRow(0),
    markerRow(1), valueRow(1),
    markerRow(2), valueRow(2),
    markerRow(3), valueRow(3),
    markerRow(4), valueRow(4),
    {ControlName::Picture1, 0, Container::Window,    4680,  600, 2115, 2490, Content::ConeFigure,     {},                                                        std::nullopt,     18, kShown},
    {ControlName::Command1, 0, Container::Window,     240, 2880, 1335,  375, Content::Caption,        "Изчисли",                                                 kCalculateColour, 15, kShown},
    {ControlName::Command1, 1, Container::Window,    2160, 2880, 1335,  375, Content::Caption,        "Изчисти",                                                 kClearColour,     16, kShown},
    {ControlName::Text1,    0, Container::Window,     120, 3480, 6855, 2775, Content::AssignmentText, {},                                                        std::nullopt,      0, kShownLocked},
    {ControlName::Text1,    1, Container::Window,     600, 4680, 6735, 1815, Content::Saying,         {},                                                        std::nullopt,      1, kHiddenLocked},
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

// Name and index as written in the program, e.g. "Text2(3)"; "Frame1" for
// the single controls.
std::string controlId(ControlName name, int index);

} // namespace velmora::layout
