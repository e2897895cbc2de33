#pragma once

#include <functional>

#include <QLineEdit>

namespace kalmoro {

// A single-line edit box with a thin sunken frame and a white ground, holding at most kMaxLength
// characters.
// Like a native single-line edit it remembers one change: undo brings back the text from before
// the last change, and undo again the text it replaced. QLineEdit's own history keeps one entry
// per character for as long as the box lives, megabytes for one paste; this box keeps it empty
// and makes every edit of more than a keystroke (paste, cut, deleting or typing over a
// selection) as a whole.
class EditBox final : public QLineEdit
{
    Q_OBJECT
public:
    // Far more than any number the pages take needs. Without a limit a pasted megabyte is shaped
    // again on every repaint and every keystroke, for seconds to minutes each.
    static constexpr int kMaxLength = 1024;

    explicit EditBox(QWidget *parent = nullptr);
    void setTextColor(const QColor &color);
    // The caption and unit a screen reader hears with the number the box shows; the box is named by
    // both.
    void setReading(const QString &caption, const QString &unit);
    // The box's number as a screen reader hears it: caption, number as shown, unit.
    QString reading() const;

    bool canUndoLastChange() const { return m_canUndo && !isReadOnly(); }
    void undoLastChange();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void rememberChange();
    // Runs edit as one change for undo, whatever it changes on the way.
    void asOneChange(const std::function<void()> &edit);
    void replaceSelection(const QString &inserted);
    void cutSelection();
    bool editsSelection(QKeyEvent *event);

    QString m_caption;
    QString m_unit;
    QString m_shown;
    QString m_before;
    bool m_canUndo = false;
};

} // namespace kalmoro
