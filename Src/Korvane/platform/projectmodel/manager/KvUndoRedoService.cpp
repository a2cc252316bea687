#include "KvUndoRedoService.h"

#include "IKvBaseLog.h"
#include "KvBoolGuards.h"

KvUndoRedoService::KvUndoRedoService(QObject *parent)
    : QObject(parent)
{
}

bool KvUndoRedoService::push(const QString &text, Action undo, Action redo)
{
    if (!undo || !redo) {
        KV_LOG_ERROR("edit \"%s\" refused: it cannot be undone", KV_CSTR(text));
        return false;
    }
    if (m_running) {
        KV_LOG_ERROR("edit \"%s\" refused: an undo or redo is running", KV_CSTR(text));
        return false;
    }
    {
        KvBoolGuards guard(m_running);
        redo();
    }
    // A clear() from inside `redo` already dropped everything after the index.
    m_commands.resize(m_index);
    m_commands.append({text, std::move(undo), std::move(redo)});
    m_index = m_commands.size();
    emit sigChanged();
    return true;
}

QString KvUndoRedoService::undoText() const
{
    return canUndo() ? m_commands.at(m_index - 1).text : QString();
}

QString KvUndoRedoService::redoText() const
{
    return canRedo() ? m_commands.at(m_index).text : QString();
}

bool KvUndoRedoService::undo()
{
    if (!canUndo() || m_running)
        return false;
    // The action may clear the history (it closes the project, say).
    const Action action = m_commands.at(m_index - 1).undo;
    const int generation = m_generation;
    {
        KvBoolGuards guard(m_running);
        action();
    }
    if (generation == m_generation)
        --m_index;
    emit sigChanged();
    return true;
}

bool KvUndoRedoService::redo()
{
    if (!canRedo() || m_running)
        return false;
    const Action action = m_commands.at(m_index).redo;
    const int generation = m_generation;
    {
        KvBoolGuards guard(m_running);
        action();
    }
    if (generation == m_generation)
        ++m_index;
    emit sigChanged();
    return true;
}

void KvUndoRedoService::clear()
{
    ++m_generation;
    if (m_commands.isEmpty())
        return;
    m_commands.clear();
    m_index = 0;
    emit sigChanged();
}
