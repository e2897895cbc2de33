#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QWidget;

namespace kalmoro {

struct SaveRequest {
    QString title; // the dialog's caption
    QString proposedPath; // the folder shown and the file name offered
    QString filter; // the one file type offered, as "PNG 图片 (*.png)"
    QString suffix; // added to a name typed without one
};

// Asks the user where to save, in a dialog modal over parent's window; empty when the user
// cancels. The dialog lists the account's places, reads "~" as the account's home and keeps
// nothing of its own on disk: no history, no recent files.
QString AskSavePath(QWidget *parent, const SaveRequest &request);
// The same dialog choosing an existing file to open, with the request's folder shown first.
QString AskOpenPath(QWidget *parent, const SaveRequest &request);

// Where files the user keeps are offered first: the account's Pictures folder, else its home.
QString PicturesDirectory();
// Where documents are offered first: the account's Documents folder, else its home.
QString DocumentsDirectory();

// What a save dialog lists beside its folders: the account's home, then those of its Desktop,
// Documents, Pictures and Downloads folders that exist.
QStringList AccountPlaces();

// Why a file the user keeps must not be written at path, naming the path; empty when it may.
QString KeptFileRefusal(const QString &path);

// While it lives, Qt's own file dialogs (the save dialog, the file chooser of the print dialog)
// keep their settings in a folder removed afterwards, and start with the account's places in
// their sidebar instead of the HOME the engine's files may have moved.
class ScratchDialogSettings final
{
    Q_DISABLE_COPY_MOVE(ScratchDialogSettings)
public:
    ScratchDialogSettings();
    ~ScratchDialogSettings();

private:
    QTemporaryDir m_folder;
};

} // namespace kalmoro
