#include "message.h"

#include <QMessageBox>

namespace kalmoro {

void ShowMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("信息："), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace kalmoro
