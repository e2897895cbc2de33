#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

#include "screenreader.h"

namespace kalmoro::platform {

namespace {

// Qt's connection to the accessibility bus, by the name Qt gives it, and the paths of its objects:
// the event must come from the connection that serves the object.
const QString kAccessibilityBus = QStringLiteral("a11y");
const QString kObjectPath = QStringLiteral("/org/a11y/atspi/accessible/%1");

} // namespace

void TellNameChanged(QWidget &widget)
{
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(&widget);
    const QDBusConnection bus(kAccessibilityBus);
    if (!shown || !bus.isConnected())
        return;
    QDBusMessage changed = QDBusMessage::createSignal(kObjectPath.arg(QAccessible::uniqueId(shown)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    changed << QStringLiteral("accessible-name") << 0 << 0
            << QVariant::fromValue(QDBusVariant(shown->text(QAccessible::Name))) << QVariantMap();
    bus.send(changed);
}

} // namespace kalmoro::platform
