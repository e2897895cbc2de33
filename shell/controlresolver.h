#pragma once

#include <array>
#include <cstddef>

#include <QHash>
#include <QString>
#include <QStringView>
#include <QWidget>

namespace kalmoro {

// Finds the controls of a built window by name, once, for the typed views that the handlers work
// on. The first name that is missing or names a control of another kind is kept as the failure.
class ControlResolver final
{
    Q_DISABLE_COPY_MOVE(ControlResolver)
public:
    explicit ControlResolver(const QWidget &window);

    template <typename T> T *get(QStringView name)
    {
        QWidget *control = m_controls.value(name.toString());
        auto *typed = qobject_cast<T *>(control);
        if (!typed)
            fail(name, control, T::staticMetaObject.className());
        return typed;
    }

    // A row of controls of one kind, named in the same order.
    template <typename T, typename Name, std::size_t N>
    void getEach(const std::array<Name, N> &names, std::array<T *, N> &controls)
    {
        for (std::size_t i = 0; i < N; ++i)
            controls[i] = get<T>(names[i]);
    }

    bool ok() const { return m_failure.isEmpty(); }
    // Which control could not be resolved and why; empty while every name was found.
    const QString &failure() const { return m_failure; }

private:
    void fail(QStringView name, const QWidget *found, const char *kind);

    QHash<QString, QWidget *> m_controls;
    QString m_failure;
};

} // namespace kalmoro
