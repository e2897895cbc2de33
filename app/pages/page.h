#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "catalogue.h"
#include "layout.h"

class QObject;
class QWidget;

namespace kalmoro {

class CalculatorPage;
class ControlResolver;
class Page;
struct Services;

// The button of the navigation column that shows a page, and the pictures it swaps between. Each
// picture is 220 x 55 px, of which the 210 px wide button shows the left part.
struct PageEntry {
    std::u16string_view button;
    assets::Asset normal; // the layout's: orange, before the first navigation
    assets::Asset hover; // green while the mouse is over it, whatever its state
    assets::Asset selected; // orange with a bar along the left edge, once the entry was chosen last
    assets::Asset unselected; // grey, while another entry is
    int altDigit; // Alt with this digit runs the entry's handler as a click does
};

using MakePage = std::unique_ptr<Page> (*)(const Services &services);
using MakeCalculatorPage = std::unique_ptr<CalculatorPage> (*)(const Services &services);

// A page of the main tab as the registry lists it: where it stands, its header, its entry, its
// layout rows and how its unit is made. A unit with calculations that a sheet or a job can take is
// made as a calculator page, any other as a plain page.
struct PageUnit {
    int page;
    std::u16string_view title;
    std::optional<PageEntry> entry; // none: the page has no entry of its own
    std::span<const LayoutRow> (*rows)();
    std::variant<MakePage, MakeCalculatorPage> make;
};

// The steps of the navigation that an entry's handler takes, each when the page says.
class EntrySteps
{
public:
    // The entry's picture to selected and every other entry's to unselected: the column then shows
    // which page was chosen last, to the eye and to screen readers alike.
    virtual void select() = 0;
    // The main tab to the entry's page.
    virtual void turn() = 0;
    // The focus to where Tab would first stop on the page, so that a user can type at once.
    virtual void focusFirstInput() = 0;
    // The focus to control, a named control of the page that screen readers read as the page's
    // first word: a page without boxes still lands somewhere a screen reader speaks.
    virtual void focus(QWidget &control) = 0;

protected:
    ~EntrySteps() = default;
};

// A page of the main tab, whole: its unit (pages/<page>.h) holds its layout rows, its controls'
// names, its typed view and handlers and what its entry does. The window iterates the units in the
// registry's order.
class Page
{
public:
    virtual ~Page() = default;

    // Finds the page's controls in the built window, once; a missing one is the resolver's failure.
    // A page that no handler works on finds nothing.
    virtual void resolve(ControlResolver &) { }
    // Connects the page's controls to its handlers for as long as context lives, and gives them
    // their Tab order and the names screen readers read.
    virtual void wire(QObject *) const { }
    // What the page's entry does when clicked or its Alt key pressed, step by step: unless the page
    // says otherwise, the column shows the entry selected, then the tab turns to the page.
    virtual void enter(EntrySteps &steps) const
    {
        steps.select();
        steps.turn();
    }
};

} // namespace kalmoro
