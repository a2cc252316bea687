#pragma once

#include <QKeySequence>
#include <QWidget>

class FShortCutLineEidt;
class QLabel;
class QPushButton;

// One command's row in the shortcut dialog: name, module, key field and a
// restore button. The row reports what the user does (new sequence, clear,
// restore, refused key); the dialog decides and then sets the sequence back.
class FShortCutItemWid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 40;

    FShortCutItemWid(int commandId, const QString &name, const QString &moduleName, const QKeySequence &sequence,
                     const QKeySequence &defaultSequence, QWidget *parent = nullptr);

    int commandId() const { return m_commandId; }
    QKeySequence defaultSequence() const { return m_defaultSequence; }
    QString name() const;

    // Shows `sequence` without announcing it.
    void setKeySequence(const QKeySequence &sequence);
    QKeySequence keySequence() const;
    // True while the shown sequence differs from the default.
    bool isRestoreVisible() const;

    FShortCutLineEidt *keyField() const { return m_keyField; }
    QPushButton *restoreButton() const { return m_restore; }
    QPushButton *placeholderButton() const { return m_placeholder; }

signals:
    void sigKeySequenceChanged(int commandId, const QKeySequence &sequence);
    void sigLineEidtLoseFocusToDialog();
    void sigInvalidKeyPressEventToDialog(int commandId);
    void sigSingleRestoreRequest(int commandId, const QKeySequence &defaultSequence);

public slots:
    void slotRestoreBtnStates();
    void slotKeySequenceChanged(const QKeySequence &sequence);
    void slotRestoreBtnCliked();
    void slotSetEmptyBtnClicked();

private:
    int m_commandId;
    QKeySequence m_defaultSequence;
    QLabel *m_name;
    QLabel *m_module;
    FShortCutLineEidt *m_keyField;
    QPushButton *m_restore;
    QPushButton *m_placeholder;
};
