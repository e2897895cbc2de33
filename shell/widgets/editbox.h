#pragma once

#include <QLineEdit>

namespace kalmoro {

// A single-line edit box with a thin sunken frame and a white ground, without length limit.
class EditBox final : public QLineEdit
{
    Q_OBJECT
public:
    explicit EditBox(QWidget *parent = nullptr);
    void setTextColor(const QColor &color);
};

} // namespace kalmoro
