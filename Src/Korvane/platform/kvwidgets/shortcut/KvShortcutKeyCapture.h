#pragma once

#include <QKeySequence>
#include <QString>

class QKeyEvent;

// What a key press in a shortcut field becomes.
//
//  1. Tab without modifiers: RefusedPassOn (the field reports an invalid key
//     and lets the event go on, so focus moves).
//  2. Scroll Lock, Pause, Insert, Caps Lock, Num Lock, Menu: Refused.
//  3. A printable key outside Latin-1 (code above 255, below Key_Escape):
//     Refused.
//  4. Codes above Key_Dead_Horn: Refused.
//  5. Escape: Ignored (eaten, nothing changes).
//  6. Shift, Control, Meta or Alt alone, or Key_unknown: Ignored.
//  7. Backspace while the whole field text is selected: Consumed (no
//     sequence). Any other key: Sequence, with the normalised combination:
//     Control/Alt/Meta/Shift kept (keypad flag dropped), Return -> Enter,
//     Media Toggle Play/Pause -> Media Play, and with Shift held Backtab ->
//     Tab and a shifted symbol -> the key carrying it ("!" -> Shift+1,
//     "=" -> Shift++, ...).
//
// Refused and Ignored/Consumed/Sequence all consume the event except
// RefusedPassOn.
namespace KvShortcutKeyCapture {

enum class Outcome { RefusedPassOn, Refused, Ignored, Consumed, Sequence };

struct Result
{
    Outcome outcome = Outcome::Ignored;
    QKeySequence sequence; // set for Outcome::Sequence only
    bool refused() const { return outcome == Outcome::Refused || outcome == Outcome::RefusedPassOn; }
    bool accepted() const { return outcome != Outcome::RefusedPassOn; }
};

// `wholeTextSelected`: the field has text and all of it is selected.
Result capture(const QKeyEvent &event, bool wholeTextSelected);
// The same from a key code and modifiers (for callers without an event).
Result capture(int key, Qt::KeyboardModifiers modifiers, bool wholeTextSelected);

// The key that carries a shifted symbol (Qt::Key_Exclam -> Qt::Key_1, ...);
// `key` itself when it is not one of the shifted symbols.
int unshiftedKey(int key);

// Display text of a sequence: the portable text, except for interface
// languages 3 and 12, where the native text is shown with its part after
// the last "+" taken from the last element of the native text split at "+".
// Empty for an empty sequence.
QString displayText(const QKeySequence &sequence);

} // namespace KvShortcutKeyCapture
