#pragma once

#include <functional>

#include <QUrl>
#include <QWidget>

namespace kalmoro {

class BrowserEngine;

// A rectangle that shows web pages. Until the first address is set it is an empty white page;
// the engine behind it is loaded only then, so start-up never pays for it.
class BrowserHost final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QUrl address READ address NOTIFY loadRequested)
    Q_PROPERTY(bool silent READ isSilent WRITE setSilent)
public:
    explicit BrowserHost(QWidget *parent = nullptr);

    QUrl address() const { return m_address; }
    // Navigates to url, also when it is the address already shown.
    void setAddress(const QUrl &url);

    bool isSilent() const { return m_silent; }
    void setSilent(bool silent) { m_silent = silent; }
    // The program's own page folder, where local pages are looked up after the user's and the shared
    // ones (platform::PageFolders): the web folder beside the program unless set.
    QString pageFolder() const;
    void setPageFolder(const QString &folder) { m_pageFolder = folder; }
    // Where the engine comes from when the first address is set: the browser plugin unless set.
    void setEngine(std::function<BrowserEngine *()> engine) { m_engine = std::move(engine); }

    // The engine's view once a page has been requested and the engine is available.
    QWidget *view() const { return m_view; }

Q_SIGNALS:
    void loadRequested(const QUrl &url);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QUrl m_address;
    bool m_silent = false;
    QString m_pageFolder;
    std::function<BrowserEngine *()> m_engine;
    QWidget *m_view = nullptr;
    QString m_refusal; // why the engine may not show pages in this process
};

} // namespace kalmoro
