#pragma once

#include <QRadioButton>

namespace kalmoro {

// A radio button on a white ground. All radio buttons of one parent form one group.
class RadioButton final : public QRadioButton
{
    Q_OBJECT
public:
    explicit RadioButton(QWidget *parent = nullptr);
    void setTextColor(const QColor &color);

Q_SIGNALS:
    // The radio has taken the focus, and Qt has given its group's Tab stop to it.
    void focusTaken();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace kalmoro
