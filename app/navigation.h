#pragma once

#include <span>
#include <vector>

class QObject;

namespace kalmoro {

class ControlResolver;
class GraphicButton;
class Page;
class PageTab;
class PictureBox;
struct PageEntry;

// The navigation column, the main tab it turns and the logo that returns to the start page.
struct Navigation {
    struct Entry {
        const PageEntry *declared; // the button and pictures its page's unit declares
        GraphicButton *button;
        const Page *page; // what the entry shows, which says what entering it does
        int index; // the page of the main tab
    };
    PageTab *mainTab;
    std::vector<Entry> entries; // top to bottom, in the order of the pages
    PictureBox *logo;
};

// The entries of the registered pages that have one; pages are the resolved units, in the
// registry's order.
Navigation ResolveNavigation(ControlResolver &controls, std::span<Page *const> pages);
// Connects the entries, their Alt shortcuts on the entries' window and the logo for as long as
// context lives.
void WireNavigation(const Navigation &navigation, QObject *context);

// The handler of an entry: its page's steps, in the order its unit gives them.
void Navigate(const Navigation &navigation, std::size_t entry);
// The handler of the entry that shows page, as a click on it runs; nothing for a page without one.
void NavigateTo(const Navigation &navigation, const Page &page);
// The start page shown again, the focus on the column's first entry.
void ShowStartPage(const Navigation &navigation);
// The focus to the column's first entry, where the keyboard starts on the start page.
void FocusStartPage(const Navigation &navigation);

} // namespace kalmoro
