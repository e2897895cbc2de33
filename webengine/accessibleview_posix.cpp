#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QWidget>

#include "accessibleview.h"

namespace kalmoro {

namespace {

// Qt's connection to the accessibility bus, by the name Qt gives it, and the paths of its objects:
// the event must come from the connection that serves the object.
const QString kAccessibilityBus = QStringLiteral("a11y");
const QString kObjectPath = QStringLiteral("/org/a11y/atspi/accessible/%1");

} // namespace

// Sent here with the text: Qt 6.4's own event carries the object instead, which Orca cannot speak.
void TellTitleChanged(QWidget &view)
{
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(&view);
    const QDBusConnection bus(kAccessibilityBus);
    if (!shown || !bus.isConnected())
        return;
    QDBusMessage changed = QDBusMessage::createSignal(kObjectPath.arg(QAccessible::uniqueId(shown)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    changed << QStringLiteral("accessible-name") << 0 << 0
            << QVariant::fromValue(QDBusVariant(shown->text(QAccessible::Name))) << QVariantMap();
    bus.send(changed);
}

} // namespace kalmoro
