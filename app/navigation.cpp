#include "navigation.h"

#include <QKeySequence>
#include <QShortcut>

#include "controlresolver.h"
#include "framenames.h"
#include "layoutnotes.h"
#include "pages/registry.h"
#include "widgets/graphicbutton.h"
#include "widgets/pagetab.h"
#include "widgets/picturebox.h"

namespace kalmoro {

namespace {

QKeySequence shortcutOf(const PageEntry &entry)
{
    return QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(Qt::Key_0 + entry.altDigit)));
}

// The steps as they act on the column and the main tab, for one entry.
class Steps final : public EntrySteps
{
public:
    Steps(const Navigation &navigation, const Navigation::Entry &entry)
        : m_navigation(navigation)
        , m_entry(entry)
    {
    }

    // The others in the column's order, each whatever it showed before. Checked goes with the
    // selected picture, so that no entry but the chosen one reads as selected.
    void select() override
    {
        m_entry.button->setImage(GraphicButton::Normal, m_entry.declared->selected);
        m_entry.button->setChecked(true);
        for (const Navigation::Entry &other : m_navigation.entries) {
            if (&other == &m_entry)
                continue;
            other.button->setImage(GraphicButton::Normal, other.declared->unselected);
            other.button->setChecked(false);
        }
    }

    void turn() override { m_navigation.mainTab->setCurrentPage(m_entry.index); }

    void focusFirstInput() override { m_navigation.mainTab->focusFirstInput(m_entry.index); }
    void focus(QWidget &control) override { control.setFocus(Qt::OtherFocusReason); }

private:
    const Navigation &m_navigation;
    const Navigation::Entry &m_entry;
};

} // namespace

Navigation ResolveNavigation(ControlResolver &controls, std::span<Page *const> pages)
{
    Navigation navigation {};
    navigation.mainTab = controls.get<PageTab>(layoutnotes::kMainTab);
    const std::span<const PageUnit> units = PageUnits();
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (const std::optional<PageEntry> &entry = units[i].entry) {
            navigation.entries.push_back(
                {&*entry, controls.get<GraphicButton>(entry->button), pages[i], units[i].page});
        }
    }
    navigation.logo = controls.get<PictureBox>(framenames::kLogo);
    return navigation;
}

void WireNavigation(const Navigation &navigation, QObject *context)
{
    for (std::size_t entry = 0; entry < navigation.entries.size(); ++entry) {
        GraphicButton *button = navigation.entries[entry].button;
        const QKeySequence shortcut = shortcutOf(*navigation.entries[entry].declared);
        const auto navigate = [&navigation, entry] { Navigate(navigation, entry); };
        // Checked while its page is the one chosen, which screen readers read as its selected look.
        button->setCheckable(true);
        // Tab reaches the column as it reaches the page's boxes; a click leaves the focus where it is.
        button->setFocusPolicy(Qt::TabFocus);
        QObject::connect(button, &GraphicButton::clicked, context, navigate);
        new QShortcut(shortcut, button->window(), context, navigate, Qt::WindowShortcut);
        // The shortcut is shown nowhere on screen, so the button tells screen readers about it.
        button->setAccessibleDescription(
            QStringLiteral("快捷键 %1").arg(shortcut.toString(QKeySequence::NativeText)));
    }
    QObject::connect(
        navigation.logo, &PictureBox::doubleClicked, context, [&navigation] { ShowStartPage(navigation); });
    navigation.mainTab->setAccessibleName(QStringLiteral("主页面"));
}

void Navigate(const Navigation &navigation, std::size_t entry)
{
    const Navigation::Entry &row = navigation.entries[entry];
    Steps steps(navigation, row);
    row.page->enter(steps);
}

void NavigateTo(const Navigation &navigation, const Page &page)
{
    for (std::size_t entry = 0; entry < navigation.entries.size(); ++entry) {
        if (navigation.entries[entry].page == &page)
            Navigate(navigation, entry);
    }
}

void ShowStartPage(const Navigation &navigation)
{
    navigation.mainTab->setCurrentPage(0);
    FocusStartPage(navigation);
}

void FocusStartPage(const Navigation &navigation)
{
    navigation.entries.front().button->setFocus(Qt::OtherFocusReason);
}

} // namespace kalmoro
