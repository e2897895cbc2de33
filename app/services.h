#pragma once

#include <functional>

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "addresses.h"
#include "browserengine.h"
#include "message.h"
#include "printservice.h"
#include "question.h"
#include "savedialog.h"

class QWidget;

namespace kalmoro {

// What the windows ask of the world outside them: the user, through message and question boxes and
// the save and open dialogs; the plugins; the clock; the futures quote's address. The defaults are the
// program's own; tests hand the window stand-ins.
struct Services {
    std::function<void(const QString &text)> showMessage = &ShowMessage;
    std::function<QString(QWidget *parent, const SaveRequest &request)> askSavePath = &AskSavePath;
    std::function<QString(QWidget *parent, const SaveRequest &request)> askOpenPath = &AskOpenPath;
    std::function<QString(QWidget *parent, const QString &text, const QStringList &choices)> askChoice
        = &AskChoice;
    std::function<BrowserEngine *()> browserEngine = &LoadBrowserEngine;
    std::function<PrintService *()> printService = &LoadPrintService;
    std::function<QDate()> today = &QDate::currentDate; // the date a quotation carries
    QUrl futuresQuote = FuturesQuoteAddress();
};

} // namespace kalmoro
