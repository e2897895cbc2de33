#pragma once

#include <QString>

class QWidget;

namespace kalmoro {

// Screen readers speak a change of the focused control's own name and little else the program can
// send: Orca ignores announcements and changes of controls without the focus, Qt has no live
// regions, and Qt's description change reaches Orca without the text. So the results a key
// computes are told as the name of the control that has the focus when the key is done; that
// control gets its own name back once the focus has left it.
//
// Opened by a handler of a key that computes, around what it runs; the outermost of nested ones
// tells, when it closes, every result noted while it was open, once each, as it reads last.
class SpokenResults
{
public:
    SpokenResults();
    ~SpokenResults();
    SpokenResults(const SpokenResults &) = delete;
    SpokenResults &operator=(const SpokenResults &) = delete;
};

// Notes that result has changed and now reads spoken: caption, value as shown and unit. Nothing is
// noted while no key computes, so that typing does not speak a result per character.
void NoteResult(const QWidget &result, const QString &spoken);

// Tells screen readers text as a new name of the focused control.
void TellFocused(const QString &text);

} // namespace kalmoro
