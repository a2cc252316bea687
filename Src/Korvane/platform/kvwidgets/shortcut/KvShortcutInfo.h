#pragma once

#include <QKeySequence>
#include <QMap>
#include <QMetaType>
#include <QString>

// The modules the shortcut commands are grouped in, in the order the
// shortcut editor lists them.
enum KvShortCutMode {
    KvShortCutMode_File = 0,
    KvShortCutMode_Edit = 1,
    KvShortCutMode_Tools = 2,
    KvShortCutMode_View = 3,
    KvShortCutMode_Marker = 4,
    KvShortCutMode_Miscellaneous = 5,
    KvShortCutMode_Count
};

// The binding of one command: its module and its key sequence (one key
// combination, or empty for no binding). A plain value.
class KvShortcutInfo
{
public:
    KvShortcutInfo() = default;
    KvShortcutInfo(KvShortCutMode mode, const QKeySequence &sequence)
        : m_mode(mode)
        , m_sequence(sequence)
    {
    }

    KvShortCutMode GetMode() const { return m_mode; }
    void SetMode(KvShortCutMode mode) { m_mode = mode; }

    QKeySequence GetKeySequence() const { return m_sequence; }
    void SetKeySequence(const QKeySequence &sequence) { m_sequence = sequence; }

    // The sequence in native text ("Ctrl+S"); empty when unbound.
    QString GetShortcutString() const { return m_sequence.toString(QKeySequence::NativeText); }
    bool IsEmpty() const { return m_sequence.isEmpty(); }

    bool operator==(const KvShortcutInfo &other) const
    {
        return m_mode == other.m_mode && m_sequence == other.m_sequence;
    }
    bool operator!=(const KvShortcutInfo &other) const { return !(*this == other); }

private:
    KvShortCutMode m_mode = KvShortCutMode_Miscellaneous;
    QKeySequence m_sequence;
};

// Command id -> binding.
using KvShortcutInfoMap = QMap<int, KvShortcutInfo>;
// Command id -> key sequence (what the editor changes and applies).
using KvShortcutSequenceMap = QMap<int, QKeySequence>;

Q_DECLARE_METATYPE(KvShortcutInfo)
