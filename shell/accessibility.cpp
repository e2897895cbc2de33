#include "accessibility.h"

#include <mutex>
#include <vector>

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPointer>
#include <QWidget>

#include "mainwindow.h"
#include "widgets/browserhost.h"
#include "widgets/editbox.h"
#include "widgets/graphicbutton.h"
#include "widgets/groupbox.h"
#include "widgets/pagetab.h"
#include "widgets/picturebox.h"
#include "widgets/transparentlabel.h"

namespace kalmoro {

namespace {

// One header of the strip; choosing it turns the tab to its page.
class AccessibleHeader final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleHeader(PageTab *tab, int index)
        : m_tab(tab)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_tab && m_index < m_tab->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_tab->window()->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_tab); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_tab->titles().value(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        const QRect header = m_tab->headerRect(m_index);
        return {m_tab->mapToGlobal(header.topLeft()), header.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.selected = m_tab->currentPage() == m_index;
        state.invisible = !m_tab->isVisible();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            m_tab->setCurrentPage(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<PageTab> m_tab;
    int m_index;
};

// The headers come first, then the pages with their controls.
class AccessiblePageTab final : public QAccessibleWidget
{
public:
    explicit AccessiblePageTab(PageTab *tab)
        : QAccessibleWidget(tab, QAccessible::PageTabList)
        , m_headers(size_t(tab->count()), 0)
    {
    }
    ~AccessiblePageTab() override
    {
        for (const QAccessible::Id id : m_headers) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return headerCount() + QAccessibleWidget::childCount(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index >= headerCount())
            return QAccessibleWidget::child(index - headerCount());
        QAccessible::Id &id = m_headers[size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new AccessibleHeader(pageTab(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < headerCount(); ++index) {
            const QAccessible::Id id = m_headers[size_t(index)];
            if (id && QAccessible::accessibleInterface(id) == child)
                return index;
        }
        const int page = QAccessibleWidget::indexOfChild(child);
        return page < 0 ? -1 : headerCount() + page;
    }

private:
    PageTab *pageTab() const { return static_cast<PageTab *>(widget()); }
    int headerCount() const { return int(m_headers.size()); }

    mutable std::vector<QAccessible::Id> m_headers; // made on first request
};

// The properties that hold the two sides of a caption relation.
constexpr char kLabelledBy[] = "kalmoroLabelledBy";
constexpr char kLabelFor[] = "kalmoroLabelFor";

// The controls a widget names under property, which holds a list: a picture may caption several.
QList<QWidget *> related(const QWidget &widget, const char *property)
{
    QList<QWidget *> controls;
    for (const QVariant &held : widget.property(property).toList()) {
        if (QWidget *control = held.value<QPointer<QWidget>>())
            controls << control;
    }
    return controls;
}

void relate(QWidget &widget, const char *property, QWidget &other)
{
    QVariantList held = widget.property(property).toList();
    held << QVariant::fromValue(QPointer<QWidget>(&other));
    widget.setProperty(property, held);
}

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

// What widget reports beside Qt's own relations: its captions and what it captions.
Relations captionRelations(const QWidget &widget, QAccessible::Relation match, Relations relations)
{
    const auto add = [&relations, &widget, match](const char *property, QAccessible::Relation relation) {
        if (!(match & relation))
            return;
        for (QWidget *other : related(widget, property))
            relations.append({QAccessible::queryAccessibleInterface(other), relation});
    };
    add(kLabelledBy, QAccessible::Label);
    add(kLabelFor, QAccessible::Labelled);
    return relations;
}

// A label or picture that may caption a control or be captioned by one.
class AccessibleCaptioned final : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    Relations relations(QAccessible::Relation match) const override
    {
        return captionRelations(*widget(), match, QAccessibleWidget::relations(match));
    }
};

// The property that holds the rows of a picture read as a list.
constexpr char kRows[] = "kalmoroRows";

QStringList rowsOf(const QWidget &picture)
{
    return picture.property(kRows).toStringList();
}

// One row of a picture read as a list.
class AccessibleRow final : public QAccessibleInterface
{
public:
    AccessibleRow(PictureBox *picture, int index)
        : m_picture(picture)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_picture && m_index < rowsOf(*m_picture).size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_picture->window()->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_picture); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? rowsOf(*m_picture).value(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    // The rows share the picture's rectangle: where each is printed is known only to the picture.
    QRect rect() const override { return VisibleGlobalRect(*m_picture); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !m_picture->isVisible();
        return state;
    }

private:
    QPointer<PictureBox> m_picture;
    int m_index;
};

// A picture: a graphic that may caption controls, or a list of the rows of a table it prints.
class AccessiblePicture final : public QAccessibleWidget
{
public:
    explicit AccessiblePicture(PictureBox *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }
    ~AccessiblePicture() override
    {
        for (const QAccessible::Id id : m_rows)
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessible::Role role() const override
    {
        return rowsOf(*widget()).isEmpty() ? QAccessible::Graphic : QAccessible::List;
    }
    // A picture read as a list holds its rows; any other holds the controls placed on it.
    int childCount() const override
    {
        const QStringList rows = rowsOf(*widget());
        return rows.isEmpty() ? QAccessibleWidget::childCount() : int(rows.size());
    }
    QAccessibleInterface *child(int index) const override
    {
        if (rowsOf(*widget()).isEmpty())
            return QAccessibleWidget::child(index);
        if (index < 0 || index >= childCount())
            return nullptr;
        while (m_rows.size() <= std::size_t(index)) {
            m_rows.push_back(QAccessible::registerAccessibleInterface(
                new AccessibleRow(static_cast<PictureBox *>(widget()), int(m_rows.size()))));
        }
        return QAccessible::accessibleInterface(m_rows[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (rowsOf(*widget()).isEmpty())
            return QAccessibleWidget::indexOfChild(child);
        for (std::size_t index = 0; index < m_rows.size(); ++index) {
            if (QAccessible::accessibleInterface(m_rows[index]) == child)
                return int(index);
        }
        return -1;
    }
    Relations relations(QAccessible::Relation match) const override
    {
        return captionRelations(*widget(), match, QAccessibleWidget::relations(match));
    }

private:
    mutable std::vector<QAccessible::Id> m_rows; // made on first request
};

// An edit box: its name is its caption and unit, its value and text what it holds. Qt's own
// interface for line edits cannot be extended, and screen readers need the box's labelled-by
// relation to its caption.
class AccessibleEditBox final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleEditBox(EditBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value && !box()->isReadOnly())
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }
    Relations relations(QAccessible::Relation match) const override
    {
        return captionRelations(*widget(), match, QAccessibleWidget::relations(match));
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override
    {
        // Measured from the caret, the one place the box tells.
        const QString text = box()->text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int cursor = box()->cursorPosition();
        const int x = caret.x()
            + (offset >= cursor ? metrics.horizontalAdvance(text.mid(cursor, offset - cursor))
                                : -metrics.horizontalAdvance(text.mid(offset, cursor - offset)));
        return {box()->mapToGlobal(QPoint(x, caret.y())),
            QSize(metrics.horizontalAdvance(text.at(offset)), caret.height())};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (!box()->isReadOnly())
            box()->setText(box()->text().replace(start, end - start, text));
    }

private:
    EditBox *box() const { return static_cast<EditBox *>(widget()); }
};

// A button drawn from pictures; a checkable one (a navigation entry) reports whether it is the
// current one as checked and selected.
class AccessibleGraphicButton final : public QAccessibleWidget
{
public:
    explicit AccessibleGraphicButton(GraphicButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const auto *button = static_cast<const GraphicButton *>(widget());
        state.pressed = button->isDown();
        if (button->isCheckable()) {
            state.checkable = true;
            state.checked = button->isChecked();
            state.selectable = true;
            state.selected = button->isChecked();
        }
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList {pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        auto *button = static_cast<GraphicButton *>(widget());
        if (action == pressAction())
            button->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A browser reports the part of it that shows: a browser in a group box shows through the box,
// which is then its viewport, a browser elsewhere as far as its ancestors let it.
class AccessibleBrowserHost final : public QAccessibleWidget
{
public:
    explicit AccessibleBrowserHost(BrowserHost *host)
        : QAccessibleWidget(host, QAccessible::Client)
    {
    }
    QRect rect() const override
    {
        const QWidget *parent = widget()->parentWidget();
        return VisibleGlobalRect(qobject_cast<const GroupBox *>(parent) ? *parent : *widget());
    }
};

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<MainWindow *>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto *tab = qobject_cast<PageTab *>(object))
        return new AccessiblePageTab(tab);
    if (auto *box = qobject_cast<EditBox *>(object))
        return new AccessibleEditBox(box);
    if (auto *button = qobject_cast<GraphicButton *>(object))
        return new AccessibleGraphicButton(button);
    if (auto *host = qobject_cast<BrowserHost *>(object))
        return new AccessibleBrowserHost(host);
    if (auto *label = qobject_cast<TransparentLabel *>(object))
        return new AccessibleCaptioned(label, QAccessible::StaticText);
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new AccessiblePicture(picture);
    if (auto *group = qobject_cast<GroupBox *>(object))
        return new QAccessibleWidget(group, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void SetLabelledBy(QWidget &control, QWidget &caption)
{
    relate(control, kLabelledBy, caption);
    relate(caption, kLabelFor, control);
}

void ReadAsList(QWidget &picture, const QStringList &rows)
{
    picture.setProperty(kRows, rows);
}

QRect VisibleGlobalRect(const QWidget &widget)
{
    const QWidget *window = widget.window();
    QRect visible(widget.mapTo(window, QPoint()), widget.size());
    for (const QWidget *ancestor = widget.parentWidget(); ancestor && ancestor != window;
         ancestor = ancestor->parentWidget())
        visible &= QRect(ancestor->mapTo(window, QPoint()), ancestor->size());
    visible &= window->rect();
    return visible.translated(window->mapToGlobal(QPoint()));
}

void InstallAccessibleInterfaces()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(interfaceFor); });
}

} // namespace kalmoro
