#include "windowbuilder.h"

#include <algorithm>
#include <functional>

#include <QHash>
#include <QSet>

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
#include "widgets/valuetable.h"

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

// What a screen reader says for a control that only shows pictures: the words in its picture.
QString pictureName(std::optional<assets::Asset> asset)
{
    if (!asset)
        return {};
    const std::string_view words = assets::Info(*asset).words;
    return QString::fromUtf8(words.data(), qsizetype(words.size()));
}

// Which rows the window shows: those shown by their rows, on the page of their page tabs that
// pageOf gives.
std::vector<bool> shownRows(
    std::span<const LayoutRow> rows, const std::function<int(const TabSetup &)> &pageOf)
{
    QHash<std::u16string_view, const LayoutRow *> shown;
    std::vector<bool> result(rows.size(), false);
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const LayoutRow &row = rows[index];
        if (!row.visible)
            continue;
        if (!row.parent.name.empty()) {
            const LayoutRow *parent = shown.value(row.parent.name);
            if (!parent || (parent->notes.tab && pageOf(*parent->notes.tab) != row.parent.page))
                continue;
        }
        shown.insert(row.name, &row);
        result[index] = true;
    }
    return result;
}

// The pictures the given rows show; buttons show their normal picture.
std::vector<assets::Asset> picturesOf(std::span<const LayoutRow> rows, const std::vector<bool> &which)
{
    std::vector<assets::Asset> pictures;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const LayoutRow &row = rows[index];
        const bool showsPicture
            = row.kind == Kind::GraphicButton || (row.kind == Kind::PictureBox && !row.notes.whiteStrip);
        if (which[index] && showsPicture && row.images[0])
            pictures.push_back(*row.images[0]);
    }
    return pictures;
}

int firstFramePage(const TabSetup &tab)
{
    return tab.firstFramePage >= 0 ? tab.firstFramePage : tab.initialPage;
}

QWidget *createControl(
    const LayoutRow &row, QWidget *parent, assets::PictureStore &pictures, bool inFirstFrame)
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
        tab->setCurrentPage(inFirstFrame ? firstFramePage(*notes.tab) : notes.tab->initialPage);
        return tab;
    }
    case Kind::Browser: {
        auto *browser = new BrowserHost(parent);
        browser->setSilent(notes.silent);
        return browser;
    }
    case Kind::Table:
        return new ValueTable(parent);
    }
    return nullptr;
}

} // namespace

WindowBuilder::WindowBuilder(std::span<const LayoutRow> rows)
    : m_rows(rows)
    , m_firstFrame(shownRows(rows, firstFramePage))
    , m_created(rows.size(), nullptr)
{
}

MainWindow *WindowBuilder::buildFirstFrame()
{
    InstallAccessibleInterfaces();
    m_window = std::make_unique<MainWindow>();
    m_window->decodeAhead(picturesOf(m_rows, m_firstFrame));
    return build(m_firstFrame) ? m_window.get() : nullptr;
}

bool WindowBuilder::buildRest()
{
    std::vector<bool> rest(m_rows.size());
    std::transform(m_created.begin(), m_created.end(), rest.begin(), std::logical_not());
    if (!build(rest))
        return false;
    // The first frame showed each page tab on the page the window's created handler turns it to;
    // until that handler runs, the tab is on its own initial page.
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        if (auto *tab = m_firstFrame[index] ? qobject_cast<PageTab *>(m_created[index]) : nullptr)
            tab->setCurrentPage(m_rows[index].notes.tab->initialPage);
    }
    return true;
}

std::unique_ptr<MainWindow> WindowBuilder::takeWindow()
{
    return std::move(m_window);
}

bool WindowBuilder::build(const std::vector<bool> &which)
{
    QSet<QWidget *> parents;
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        if (!which[index])
            continue;
        QWidget *control = create(index);
        if (!control) {
            m_window.reset();
            return false;
        }
        m_created[index] = control;
        parents.insert(control->parentWidget());
    }
    // Qt stacks later siblings in front; the layout lists the front-most first. Siblings built
    // before are stacked again with the new ones.
    for (auto control = m_created.rbegin(); control != m_created.rend(); ++control) {
        if (*control && parents.contains((*control)->parentWidget()))
            (*control)->raise();
    }
    return true;
}

QWidget *WindowBuilder::create(std::size_t index)
{
    const LayoutRow &row = m_rows[index];
    auto fail = [this](const QString &why) -> QWidget * {
        m_failure = why;
        return nullptr;
    };
    const QString name = toQString(row.name);
    if (name.isEmpty())
        return fail(QStringLiteral("a control without a name"));
    if (m_names.contains(name))
        return fail(QStringLiteral("two controls named %1").arg(name));
    if (row.kind == Kind::PageTab && !row.notes.tab)
        return fail(QStringLiteral("page tab %1 has no pages").arg(name));

    QWidget *parent = m_window.get();
    if (!row.parent.name.empty()) {
        const QString parentName = toQString(row.parent.name);
        // Built ahead of the first frame, a parent may exist before a child listed ahead of it.
        const auto found = m_names.constFind(parentName);
        if (found == m_names.cend() || *found > index)
            return fail(QStringLiteral("%1: unknown parent %2").arg(name, parentName));
        parent = m_created[*found];
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

    QWidget *control = createControl(row, parent, m_window->pictures(), m_firstFrame[index]);
    control->setObjectName(name);
    control->setGeometry(row.geometry.left, row.geometry.top, row.geometry.width, row.geometry.height);
    if (row.notes.fontPx > 0 || row.notes.bold)
        control->setFont(LayoutFont(u"", row.notes.fontPx > 0 ? row.notes.fontPx : 12, row.notes.bold));
    control->setVisible(row.visible);
    m_names.insert(name, index);
    return control;
}

std::unique_ptr<MainWindow> BuildMainWindow(std::span<const LayoutRow> rows, QString *error)
{
    WindowBuilder builder(rows);
    const bool built = builder.buildFirstFrame() && builder.buildRest();
    if (!built && error)
        *error = builder.failure();
    return builder.takeWindow();
}

} // namespace kalmoro
