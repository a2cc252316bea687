#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

// The undo history of the current project. The project manager keeps one for
// its whole life and clears it whenever the current project changes, so a
// pointer handed to a scene stays valid across project changes.
// GUI thread only.
class KvUndoRedoService : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void()>;

    explicit KvUndoRedoService(QObject *parent = nullptr);

    // Records an edit: `redo` runs now, `undo` takes it back. Everything that
    // could have been redone is dropped. An edit without both actions is
    // refused (logged).
    bool push(const QString &text, Action undo, Action redo);

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < m_commands.size(); }
    QString undoText() const;
    QString redoText() const;
    // False when there is nothing to undo or redo.
    bool undo();
    bool redo();
    void clear();
    int count() const { return m_commands.size(); }

signals:
    void sigChanged();

private:
    struct Command
    {
        QString text;
        Action undo;
        Action redo;
    };

    QVector<Command> m_commands;
    // Commands before the index are done.
    int m_index = 0;
    // An action that pushes or undoes again would corrupt the index.
    bool m_running = false;
    // Changes with every clear(), which an action itself may cause.
    int m_generation = 0;
};
