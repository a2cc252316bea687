#include "KvShortcutKeyCapture.h"

#include "KvLocale.h"

#include <QKeyEvent>
#include <QStringList>

namespace {

struct Shifted
{
    int typed;
    int carrier;
};

// US layout: the symbol Shift gives and the key that carries it.
constexpr Shifted kShifted[] = {
    {Qt::Key_Exclam, Qt::Key_1},          {Qt::Key_QuoteDbl, Qt::Key_Apostrophe},
    {Qt::Key_NumberSign, Qt::Key_3},      {Qt::Key_Dollar, Qt::Key_4},
    {Qt::Key_Percent, Qt::Key_5},         {Qt::Key_Ampersand, Qt::Key_7},
    {Qt::Key_ParenLeft, Qt::Key_9},       {Qt::Key_ParenRight, Qt::Key_0},
    {Qt::Key_Asterisk, Qt::Key_8},        {Qt::Key_Colon, Qt::Key_Semicolon},
    {Qt::Key_Less, Qt::Key_Comma},        {Qt::Key_Equal, Qt::Key_Plus},
    {Qt::Key_Greater, Qt::Key_Period},    {Qt::Key_Question, Qt::Key_Slash},
    {Qt::Key_At, Qt::Key_2},              {Qt::Key_AsciiCircum, Qt::Key_6},
    {Qt::Key_Underscore, Qt::Key_Minus},  {Qt::Key_BraceLeft, Qt::Key_BracketLeft},
    {Qt::Key_BraceRight, Qt::Key_BracketRight}, {Qt::Key_AsciiTilde, Qt::Key_QuoteLeft},
};

bool isRefusedSpecialKey(int key)
{
    switch (key) {
    case Qt::Key_ScrollLock:
    case Qt::Key_Pause:
    case Qt::Key_Insert:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Menu:
        return true;
    default:
        return false;
    }
}

bool isLoneModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Meta || key == Qt::Key_Alt
           || key == Qt::Key_unknown;
}

using Outcome = KvShortcutKeyCapture::Outcome;

} // namespace

namespace KvShortcutKeyCapture {

int unshiftedKey(int key)
{
    for (const Shifted &shifted : kShifted) {
        if (shifted.typed == key)
            return shifted.carrier;
    }
    return key;
}

Result capture(int key, Qt::KeyboardModifiers modifiers, bool wholeTextSelected)
{
    const Qt::KeyboardModifiers kept =
        modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier);
    if (key == Qt::Key_Tab && kept == Qt::NoModifier)
        return {Outcome::RefusedPassOn, {}};
    if (isRefusedSpecialKey(key))
        return {Outcome::Refused, {}};
    if (key > 0xff && key < Qt::Key_Escape)
        return {Outcome::Refused, {}};
    // Key_unknown sits above every other code: it is waited out below, as
    // a key the platform could not name yet.
    if (key > Qt::Key_Dead_Horn && key != Qt::Key_unknown)
        return {Outcome::Refused, {}};
    if (key == Qt::Key_Escape)
        return {Outcome::Ignored, {}};
    if (isLoneModifier(key))
        return {Outcome::Ignored, {}};
    if (key == Qt::Key_Backspace && wholeTextSelected)
        return {Outcome::Consumed, {}};

    if (key == Qt::Key_Return)
        key = Qt::Key_Enter;
    else if (key == Qt::Key_MediaTogglePlayPause)
        key = Qt::Key_MediaPlay;
    if (kept & Qt::ShiftModifier) {
        if (key == Qt::Key_Backtab)
            key = Qt::Key_Tab;
        else
            key = unshiftedKey(key);
    }
    return {Outcome::Sequence, QKeySequence(key | int(kept))};
}

Result capture(const QKeyEvent &event, bool wholeTextSelected)
{
    return capture(event.key(), event.modifiers(), wholeTextSelected);
}

QString displayText(const QKeySequence &sequence)
{
    if (sequence.isEmpty())
        return QString();
    const int language = KvLocale::instance()->languageType();
    if (language != 3 && language != 12)
        return sequence.toString(QKeySequence::PortableText);
    // These languages name the modifiers in their own words; the key itself
    // is taken from the last element so that a "+" key survives.
    const QString native = sequence.toString(QKeySequence::NativeText);
    const int lastPlus = native.lastIndexOf(QLatin1Char('+'));
    if (lastPlus < 0)
        return native;
    const QString last = native.split(QLatin1Char('+')).last();
    return native.left(lastPlus + 1) + last;
}

} // namespace KvShortcutKeyCapture
