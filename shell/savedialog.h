#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace kalmoro {

struct SaveRequest {
    QString title; // the dialog's caption
    QString proposedPath; // the folder shown and the file name offered
    QString filter; // the one file type offered, as "PNG 图片 (*.png)"
    QString suffix; // added to a name typed without one
};

// Asks the user where to save, in a dialog modal over parent's window; empty when the user
// cancels. The dialog keeps nothing of its own on disk: no history, no recent files.
QString AskSavePath(QWidget *parent, const SaveRequest &request);

// While a hook is set, AskSavePath hands it the request and returns its answer instead of showing
// the dialog. Gives the hook it replaces; an empty hook restores the dialog.
using SaveDialogHook = std::function<QString(const SaveRequest &)>;
SaveDialogHook SetSaveDialogHook(SaveDialogHook hook);

} // namespace kalmoro
