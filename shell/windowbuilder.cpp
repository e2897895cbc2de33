#include "windowbuilder.h"

#include <functional>

#include <QHash>
#include <QHeaderView>
#include <QTableWidget>

#include "accessibility.h"
#include "catalogue.h"
#include "fonts.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/groupbox.h"
#include "widgets/pagetab.h"
#include "widgets/picturebox.h"
#include "widgets/radiobutton.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

Qt::Alignment toQt(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// A table row holds one line of the 12 px user-interface font with a little air, so that a chart
// of a couple of dozen rows shows whole on a page.
constexpr int kTableRowHeight = 20;

// What a screen reader says for a control that only shows pictures: the words in its picture.
QString pictureName(std::optional<assets::Asset> asset)
{
    if (!asset)
        return {};
    const std::string_view words = assets::Info(*asset).words;
    return QString::fromUtf8(words.data(), qsizetype(words.size()));
}

// The pictures of the controls shown: those shown by their rows, on the current page of their
// page tabs as currentPage gives it (-1: none of the tab's pages). Buttons show their normal picture.
std::vector<assets::Asset> shownPictures(
    std::span<const LayoutRow> rows, const std::function<int(const LayoutRow &tab)> &currentPage)
{
    QHash<std::u16string_view, const LayoutRow *> shown;
    std::vector<assets::Asset> pictures;
    for (const LayoutRow &row : rows) {
        if (!row.visible)
            continue;
        if (!row.parent.name.empty()) {
            const LayoutRow *parent = shown.value(row.parent.name);
            if (!parent || (parent->notes.tab && currentPage(*parent) != row.parent.page))
                continue;
        }
        shown.insert(row.name, &row);
        const bool showsPicture
            = row.kind == Kind::GraphicButton || (row.kind == Kind::PictureBox && !row.notes.whiteStrip);
        if (showsPicture && row.images[0])
            pictures.push_back(*row.images[0]);
    }
    return pictures;
}

QWidget *createControl(const LayoutRow &row, QWidget *parent, assets::PictureStore &pictures)
{
    const Notes &notes = row.notes;
    const QString text = toQString(row.text);
    switch (row.kind) {
    case Kind::GraphicButton: {
        auto *button = new GraphicButton(pictures, parent);
        for (int slot = 0; slot < 4; ++slot)
            button->setImage(GraphicButton::Slot(slot), row.images[size_t(slot)]);
        button->setAccessibleName(pictureName(row.images[0]));
        return button;
    }
    case Kind::TransparentLabel: {
        auto *label = new TransparentLabel(parent);
        label->setText(text);
        label->setAlignment(toQt(notes.align));
        if (notes.color)
            label->setTextColor(QColor::fromRgb(*notes.color));
        return label;
    }
    case Kind::PictureBox: {
        auto *picture = new PictureBox(pictures, parent);
        if (notes.whiteStrip) {
            picture->setStripColor(Qt::white);
            picture->setAccessibleName(QStringLiteral("白色遮挡条"));
        } else if (row.images[0]) {
            picture->setImage(*row.images[0]);
            picture->setAccessibleName(pictureName(row.images[0]));
        }
        return picture;
    }
    case Kind::EditBox: {
        auto *edit = new EditBox(parent);
        edit->setAlignment(toQt(notes.align) | Qt::AlignVCenter);
        if (notes.color)
            edit->setTextColor(QColor::fromRgb(*notes.color));
        return edit;
    }
    case Kind::RadioButton: {
        auto *radio = new RadioButton(parent);
        radio->setText(text);
        if (notes.color)
            radio->setTextColor(QColor::fromRgb(*notes.color));
        return radio;
    }
    case Kind::GroupBox:
        return new GroupBox(parent);
    case Kind::PageTab: {
        QStringList titles;
        for (std::u16string_view title : notes.tab->titles)
            titles.append(toQString(title));
        const PageTab::HeaderStyle style {LayoutFont(notes.tab->headerFace, notes.tab->headerFontPx),
            notes.tab->headerMinHeight, notes.tab->colours};
        auto *tab = new PageTab(titles, style, parent);
        tab->setCurrentPage(notes.tab->initialPage);
        return tab;
    }
    case Kind::Browser: {
        auto *browser = new BrowserHost(parent);
        browser->setSilent(notes.silent);
        return browser;
    }
    case Kind::Table: {
        // Values to read, not to change; the columns share the width. Tab leaves the table, as it
        // leaves every other control, instead of walking its cells.
        auto *table = new QTableWidget(parent);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setTabKeyNavigation(false);
        table->verticalHeader()->hide();
        table->verticalHeader()->setMinimumSectionSize(kTableRowHeight);
        table->verticalHeader()->setDefaultSectionSize(kTableRowHeight);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        return table;
    }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<MainWindow> BuildMainWindow(std::span<const LayoutRow> rows, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
    InstallAccessibleInterfaces();
    auto window = std::make_unique<MainWindow>();
    // Which page of a page tab the first frame shows is known only once the window's created
    // handler has run (DecodeShownPicturesAhead); the rest can start now.
    window->decodeAhead(shownPictures(rows, [](const LayoutRow &) { return -1; }));
    QHash<QString, QWidget *> controls;
    std::vector<QWidget *> created;
    created.reserve(rows.size());
    for (const LayoutRow &row : rows) {
        const QString name = toQString(row.name);
        if (name.isEmpty())
            return fail(QStringLiteral("a control without a name"));
        if (controls.contains(name))
            return fail(QStringLiteral("two controls named %1").arg(name));
        if (row.kind == Kind::PageTab && !row.notes.tab)
            return fail(QStringLiteral("page tab %1 has no pages").arg(name));

        QWidget *parent = window.get();
        if (!row.parent.name.empty()) {
            const QString parentName = toQString(row.parent.name);
            parent = controls.value(parentName);
            if (!parent)
                return fail(QStringLiteral("%1: unknown parent %2").arg(name, parentName));
            auto *tab = qobject_cast<PageTab *>(parent);
            if (tab) {
                parent = tab->page(row.parent.page);
                if (!parent)
                    return fail(
                        QStringLiteral("%1: %2 has no page %3").arg(name, parentName).arg(row.parent.page));
            } else if (row.parent.page >= 0) {
                return fail(QStringLiteral("%1: %2 is not a page tab").arg(name, parentName));
            }
        }

        QWidget *control = createControl(row, parent, window->pictures());
        control->setObjectName(name);
        control->setGeometry(row.geometry.left, row.geometry.top, row.geometry.width, row.geometry.height);
        if (row.notes.fontPx > 0 || row.notes.bold)
            control->setFont(LayoutFont(u"", row.notes.fontPx > 0 ? row.notes.fontPx : 12, row.notes.bold));
        control->setVisible(row.visible);
        controls.insert(name, control);
        created.push_back(control);
    }
    // Qt stacks later siblings in front; the layout lists the front-most first.
    for (auto control = created.rbegin(); control != created.rend(); ++control)
        (*control)->raise();
    return window;
}

void DecodeShownPicturesAhead(MainWindow &window, std::span<const LayoutRow> rows)
{
    window.decodeAhead(shownPictures(rows, [&window](const LayoutRow &tab) {
        const PageTab *control = window.control<PageTab>(toQString(tab.name));
        return control ? control->currentPage() : -1;
    }));
}

} // namespace kalmoro
