#include "widgets/editbox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStringList>

namespace kalmoro {

EditBox::EditBox(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(kMaxLength);
    // A native edit box takes no dropped text either; a drop would go through the history.
    setAcceptDrops(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    // Connected before any handler, so that handlers see the change already remembered.
    connect(this, &QLineEdit::textChanged, this, &EditBox::rememberChange);
}

void EditBox::setReading(const QString &caption, const QString &unit)
{
    m_caption = caption;
    m_unit = unit;
    setAccessibleName(QStringList {caption, unit}.join(u' ').trimmed());
}

QString EditBox::reading() const
{
    return QStringList {m_caption, text(), m_unit}.join(u' ').trimmed();
}

void EditBox::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, color);
    setPalette(colours);
}

void EditBox::rememberChange()
{
    // QLineEdit records an edit in its history and forgets it on setText; a text set by the
    // program leaves nothing to undo, as it does in a native edit control.
    m_canUndo = isUndoAvailable();
    m_before = m_canUndo ? m_shown : QString();
    m_shown = text();
    if (m_canUndo) {
        // Setting the same text again empties the history without another textChanged.
        const int cursor = cursorPosition();
        setText(m_shown);
        setCursorPosition(cursor);
    }
}

void EditBox::asOneChange(const std::function<void()> &edit)
{
    const QString before = text();
    edit();
    if (text() != before) {
        m_before = before;
        m_canUndo = true;
    }
}

void EditBox::replaceSelection(const QString &inserted)
{
    if (isReadOnly())
        return;
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = hasSelectedText() ? int(selectedText().size()) : 0;
    // A paste longer than the room left is cut, and the text around the selection kept.
    const QString fitting = inserted.left(maxLength() - (text().size() - length));
    if (length == 0 && fitting.isEmpty())
        return;
    asOneChange([&] {
        setText(QString(text()).replace(start, length, fitting));
        setCursorPosition(start + int(fitting.size()));
    });
}

void EditBox::cutSelection()
{
    if (isReadOnly() || !hasSelectedText())
        return;
    copy();
    replaceSelection({});
}

void EditBox::undoLastChange()
{
    if (!canUndoLastChange())
        return;
    const QString replaced = text();
    setText(QString(m_before));
    m_before = replaced;
    m_canUndo = true;
}

bool EditBox::editsSelection(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        replaceSelection(QApplication::clipboard()->text());
        return true;
    }
    if (event->matches(QKeySequence::Cut)) {
        cutSelection();
        return true;
    }
    // The deletions that reach beyond the cursor's neighbour select what they delete first.
    if (event->matches(QKeySequence::DeleteStartOfWord) && !hasSelectedText())
        cursorWordBackward(true);
    else if (event->matches(QKeySequence::DeleteEndOfWord) && !hasSelectedText())
        cursorWordForward(true);
    else if (event->matches(QKeySequence::DeleteEndOfLine))
        end(true);
    else if (event->matches(QKeySequence::DeleteCompleteLine))
        selectAll();
    else if (!hasSelectedText())
        return false;
    const bool deletes = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete
        || event->matches(QKeySequence::DeleteEndOfLine) || event->matches(QKeySequence::DeleteCompleteLine);
    const QString typed = event->text();
    const bool types = !typed.isEmpty() && typed.front().isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (!deletes && !types)
        return false;
    replaceSelection(deletes ? QString() : typed);
    return true;
}

void EditBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo)) {
        undoLastChange();
        event->accept();
        return;
    }
    if (!isReadOnly() && editsSelection(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent *event)
{
    // Text from an input method replaces the selection like a typed key does.
    const bool input = !event->commitString().isEmpty() || !event->preeditString().isEmpty();
    asOneChange([&] {
        if (input && hasSelectedText())
            replaceSelection({});
        QLineEdit::inputMethodEvent(event);
    });
}

void EditBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the X11 selection where the pointer is.
    QClipboard *clipboard = QApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        replaceSelection(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EditBox::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu of a native single-line edit, working through this box's own edits.
    const bool editable = !isReadOnly();
    const bool selection = hasSelectedText();
    // Shown without a modal loop, as the edit box's own menu is; it goes when it closes.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("撤消(&U)"), this, &EditBox::undoLastChange)
        ->setEnabled(canUndoLastChange());
    menu->addSeparator();
    menu->addAction(QStringLiteral("剪切(&T)"), this, &EditBox::cutSelection)
        ->setEnabled(editable && selection);
    menu->addAction(QStringLiteral("复制(&C)"), this, &QLineEdit::copy)->setEnabled(selection);
    menu->addAction(
            QStringLiteral("粘贴(&P)"), this, [this] { replaceSelection(QApplication::clipboard()->text()); })
        ->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
    menu->addAction(QStringLiteral("删除(&D)"), this, [this] { replaceSelection({}); })
        ->setEnabled(editable && selection);
    menu->addSeparator();
    menu->addAction(QStringLiteral("全选(&A)"), this, &QLineEdit::selectAll)->setEnabled(!text().isEmpty());
    menu->popup(event->globalPos());
}

} // namespace kalmoro
