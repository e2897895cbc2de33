#include "message.h"

#include <utility>

#include <QMessageBox>

namespace {

kalmoro::MessageHook &currentHook()
{
    static kalmoro::MessageHook hook;
    return hook;
}

} // namespace

namespace kalmoro {

void ShowMessage(const QString &text)
{
    // A copy, so that a hook may replace itself while it runs.
    if (const MessageHook hook = currentHook()) {
        hook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessageHook SetMessageHook(MessageHook hook)
{
    return std::exchange(currentHook(), std::move(hook));
}

} // namespace kalmoro
