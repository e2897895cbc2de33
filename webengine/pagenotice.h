#pragma once

#include <QFrame>

class QLabel;

namespace kalmoro {

// A short notice in place of a page that could not be shown, with a button that loads the page
// again. Small enough for the quotation's box, the smallest part of a view the user sees.
class PageNotice final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageNotice)
public:
    explicit PageNotice(QWidget *parent);

    QString text() const;
    void setText(const QString &text);

Q_SIGNALS:
    void reloadRequested();

private:
    QLabel *m_text;
};

} // namespace kalmoro
