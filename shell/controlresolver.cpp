#include "controlresolver.h"

namespace kalmoro {

ControlResolver::ControlResolver(const QWidget &window)
{
    const QList<QWidget *> controls = window.findChildren<QWidget *>();
    m_controls.reserve(controls.size());
    for (QWidget *control : controls) {
        if (!control->objectName().isEmpty())
            m_controls.insert(control->objectName(), control);
    }
}

void ControlResolver::fail(QStringView name, const QWidget *found, const char *kind)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = found ? QStringLiteral("%1 is a %2, not a %3")
                            .arg(name, QLatin1String(found->metaObject()->className()), QLatin1String(kind))
                      : QStringLiteral("no control named %1").arg(name);
}

} // namespace kalmoro
