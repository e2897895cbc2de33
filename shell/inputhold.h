#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

namespace kalmoro {

// Holds the user's input to a window (its keys, presses, moves and wheel turns, to it or any of its
// controls) from its making until release(), which delivers what was held, in order, to those it
// was meant for. Nothing is dropped: input given before the window can handle it is handled after.
class InputHold final : public QObject
{
public:
    explicit InputHold(QWidget &window);

    void release();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isForWindow(QObject *receiver) const;

    QPointer<QWidget> m_window;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_held;
};

} // namespace kalmoro
