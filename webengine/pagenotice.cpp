#include "pagenotice.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalmoro {

PageNotice::PageNotice(QWidget *parent)
    : QFrame(parent)
    , m_text(new QLabel(this))
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    auto *reload = new QPushButton(QStringLiteral("重新加载"), this);
    connect(reload, &QPushButton::clicked, this, &PageNotice::reloadRequested);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_text);
    layout->addWidget(reload, 0, Qt::AlignHCenter);
    layout->addStretch();
    hide();
}

QString PageNotice::text() const
{
    return m_text->text();
}

void PageNotice::setText(const QString &text)
{
    m_text->setText(text);
}

} // namespace kalmoro
