#include "savedialog.h"

#include <utility>

#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kalmoro {

namespace {

SaveDialogHook &currentHook()
{
    static SaveDialogHook hook;
    return hook;
}

void placeUserSettings(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

QString runDialog(QWidget *parent, const SaveRequest &request)
{
    // A desktop's native dialog would add the file to the desktop's recent files.
    QFileDialog dialog(parent, request.title, request.proposedPath, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.suffix);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("保存在："));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名："));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("保存类型："));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString AskSavePath(QWidget *parent, const SaveRequest &request)
{
    if (const SaveDialogHook hook = currentHook())
        return hook(request);
    // Qt's own dialog stores its history and view in the user's settings when it closes; the
    // program writes nothing but the file the user chose, so they go to a folder removed after it.
    const QTemporaryDir scratch;
    placeUserSettings(scratch.path());
    const QString path = runDialog(parent, request);
    placeUserSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return path;
}

SaveDialogHook SetSaveDialogHook(SaveDialogHook hook)
{
    return std::exchange(currentHook(), std::move(hook));
}

} // namespace kalmoro
