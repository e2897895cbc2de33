#include "savedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include "platform.h"

namespace kalmoro {

namespace {

void placeUserSettings(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// Qt's own dialog, its name box without a completion list: Qt keeps what it told a screen reader
// about that list's rows until the program ends, past the models they came from, and then
// crashes freeing it. The dialog's file list offers the same names.
class SaveDialog final : public QFileDialog
{
    Q_DISABLE_COPY_MOVE(SaveDialog)
public:
    SaveDialog(QWidget *parent, const SaveRequest &request)
        : QFileDialog(parent, request.title, request.proposedPath, request.filter)
    {
        // A desktop's native dialog would add the file to the desktop's recent files.
        setOption(QFileDialog::DontUseNativeDialog);
        m_name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (m_name)
            m_name->setCompleter(nullptr);
    }

    // Qt's dialog reads "~" as HOME, which the engine's files may have moved; a name typed with
    // it means the account's home.
    void accept() override
    {
        if (m_name) {
            const QString typed = m_name->text();
            if (typed == u'~' || typed.startsWith(QStringLiteral("~/")))
                m_name->setText(platform::AccountHome() + typed.mid(1));
        }
        QFileDialog::accept();
    }

private:
    QLineEdit *m_name = nullptr;
};

QString runDialog(QWidget *parent, const SaveRequest &request, QFileDialog::AcceptMode mode)
{
    SaveDialog dialog(parent, request);
    const bool save = mode == QFileDialog::AcceptSave;
    dialog.setAcceptMode(mode);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.suffix);
    // The dialog's settings may have moved it to the folder last visited.
    dialog.setDirectory(QFileInfo(request.proposedPath).absolutePath());
    dialog.selectFile(QFileInfo(request.proposedPath).fileName());
    dialog.setLabelText(
        QFileDialog::LookIn, save ? QStringLiteral("保存在：") : QStringLiteral("查找范围："));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名："));
    dialog.setLabelText(
        QFileDialog::FileType, save ? QStringLiteral("保存类型：") : QStringLiteral("文件类型："));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("保存") : QStringLiteral("打开"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString accountFolderOrHome(QStandardPaths::StandardLocation location)
{
    const QString folder = platform::AccountFolder(location);
    return folder.isEmpty() ? platform::AccountHome() : folder;
}

} // namespace

QString AskSavePath(QWidget *parent, const SaveRequest &request)
{
    const ScratchDialogSettings settings;
    return runDialog(parent, request, QFileDialog::AcceptSave);
}

QString AskOpenPath(QWidget *parent, const SaveRequest &request)
{
    const ScratchDialogSettings settings;
    return runDialog(parent, request, QFileDialog::AcceptOpen);
}

QString PicturesDirectory()
{
    return accountFolderOrHome(QStandardPaths::PicturesLocation);
}

QString DocumentsDirectory()
{
    return accountFolderOrHome(QStandardPaths::DocumentsLocation);
}

QStringList AccountPlaces()
{
    QStringList places;
    const QString home = platform::AccountHome();
    if (!platform::IsRemovedAtExit(home))
        places << home;
    for (const auto location : {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation,
             QStandardPaths::PicturesLocation, QStandardPaths::DownloadLocation}) {
        const QString folder = platform::AccountFolder(location);
        if (!folder.isEmpty() && !places.contains(folder))
            places << folder;
    }
    return places;
}

QString KeptFileRefusal(const QString &path)
{
    if (!platform::IsRemovedAtExit(path))
        return {};
    return QStringLiteral(
        "不能保存到 %1：这是程序运行时的临时文件夹，程序退出时会连同其中的文件一起删除。请选择其他文件夹。")
        .arg(QDir::toNativeSeparators(path));
}

// Qt's dialogs store their history and view in the user's settings when they close; the program
// writes nothing but the file the user chose, so they go to a folder removed after them.
ScratchDialogSettings::ScratchDialogSettings()
{
    placeUserSettings(m_folder.path());
    QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
    settings.beginGroup(QStringLiteral("FileDialog"));
    QStringList places;
    for (const QString &place : AccountPlaces())
        places << QUrl::fromLocalFile(place).toString();
    settings.setValue(QStringLiteral("shortcuts"), places);
    // Qt takes the places only from settings that also give the sidebar's width.
    constexpr int kSidebarWidth = 150;
    settings.setValue(QStringLiteral("sidebarWidth"), kSidebarWidth);
}

ScratchDialogSettings::~ScratchDialogSettings()
{
    placeUserSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

} // namespace kalmoro
