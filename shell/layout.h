#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "catalogue.h"

namespace kalmoro {

enum class Kind {
    GraphicButton,
    TransparentLabel,
    PictureBox,
    EditBox,
    RadioButton,
    GroupBox,
    PageTab,
    Browser,
    Table
};

enum class Align { Left, Centre, Right };

// A page tab's header strip: grey with white current headers, or white with orange ones.
enum class TabColours { Plain, Orange };

// Where a control sits: the window itself (no name), a page of a page tab, or another control.
struct ParentRef {
    std::u16string_view name;
    int page = -1;
};

struct Geometry {
    int left, top, width, height;
};

// A page tab's pages and header strip.
struct TabSetup {
    std::span<const std::u16string_view> titles;
    int initialPage;
    std::u16string_view headerFace; // a face name as the layout gives it, mapped to an installed font
    int headerFontPx;
    int headerMinHeight;
    TabColours colours;
    // The page the window's first frame shows, where the window's created handler turns the tab
    // from its initial page before anything is drawn; -1: the initial page.
    int firstFramePage = -1;
};

// Settings that differ from a kind's defaults.
struct Notes {
    int fontPx = 0; // 0: the program's user-interface font size
    bool bold = false;
    std::optional<std::uint32_t> color = std::nullopt; // 0xRRGGBB text colour; none: the kind's default
    Align align = Align::Left;
    bool silent = false; // browsers: no dialogs of the page's own
    bool whiteStrip = false; // picture boxes without image: a plain white strip
    const TabSetup *tab = nullptr;
};

struct LayoutRow {
    std::u16string_view name;
    Kind kind;
    ParentRef parent;
    Geometry geometry;
    bool visible;
    std::u16string_view text;
    std::array<std::optional<assets::Asset>, 4> images; // normal, hover, pressed, disabled; or a picture
    Notes notes;
};

} // namespace kalmoro
