#include "accessibility.h"

#include <mutex>
#include <vector>

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

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

QAccessibleInterface *interfaceFor(const QString &, QObject *object)
{
    if (auto *tab = qobject_cast<PageTab *>(object))
        return new AccessiblePageTab(tab);
    if (auto *label = qobject_cast<TransparentLabel *>(object))
        return new QAccessibleWidget(label, QAccessible::StaticText);
    if (auto *picture = qobject_cast<PictureBox *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto *group = qobject_cast<GroupBox *>(object))
        return new QAccessibleWidget(group, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void InstallAccessibleInterfaces()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(interfaceFor); });
}

} // namespace kalmoro
