#pragma once

#include <array>
#include <string_view>

// The condensate drain pipe table: which PVC pipe drains the condensate of a cooling capacity. The
// page shows it as a picture drawn from this table, and screen readers read it from here.
namespace kalmoro::drainpipe {

struct Band {
    std::u16string_view capacity; // cooling capacity in kW, as the table prints it
    std::u16string_view pipe;
};

inline constexpr std::u16string_view kCapacityHeading = u"制冷量（kw）";
inline constexpr std::u16string_view kPipeHeading = u"PVC管径";

// Left to right, as the picture shows them.
inline constexpr std::array<Band, 4> Bands = {{
    {u"≤ 17.6", u"De 25"},
    {u"17.7～100", u"De 32"},
    {u"101～176", u"De 40"},
    {u"177～598", u"De 50"},
}};

} // namespace kalmoro::drainpipe
