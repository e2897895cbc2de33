#pragma once

#include <functional>

#include <QDate>
#include <QString>
#include <QUrl>

#include "addresses.h"
#include "browserengine.h"
#include "message.h"
#include "printservice.h"
#include "savedialog.h"

class QWidget;

namespace kalmoro {

// What the window asks of the world outside it: the user, through message boxes and the save
// dialog; the plugins; the clock; the futures quote's address. The defaults are the program's own;
// tests hand the window stand-ins.
struct Services {
    std::function<void(const QString &text)> showMessage = &ShowMessage;
    std::function<QString(QWidget *parent, const SaveRequest &request)> askSavePath = &AskSavePath;
    std::function<BrowserEngine *()> browserEngine = &LoadBrowserEngine;
    std::function<PrintService *()> printService = &LoadPrintService;
    std::function<QDate()> today = &QDate::currentDate; // the date a quotation carries
    QUrl futuresQuote = FuturesQuoteAddress();
};

} // namespace kalmoro
