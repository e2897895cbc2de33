#include "calc/message.h"

#include <utility>

#include <QMessageBox>

namespace {

kalmoro::MessageHook &CurrentHook()
{
    static kalmoro::MessageHook hook;
    return hook;
}

} // namespace

namespace kalmoro {

void ShowMessage(const QString &text)
{
    // A copy, so that a hook may replace itself while it runs.
    if (const MessageHook hook = CurrentHook()) {
        hook(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

MessageHook SetMessageHook(MessageHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}

} // namespace kalmoro
