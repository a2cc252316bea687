#pragma once

#include "KvFramelessDialog.h"
#include "KvShortcutConflictRules.h"

#include <QHash>
#include <QKeySequence>
#include <QPointer>
#include <QVector>

class FMaskWidget;
class FNothingFindWid;
#include "FShortCutBaseInfoWid.h"
class FShortCutItemWid;
class FShortCutSearchLineEdit;
class QButtonGroup;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;

// The "Keyboard Shortcuts" dialog: every editable command with its key
// sequence, grouped by module, with search, per-command clear and restore,
// and "Restore Defaults". Edits go to a working copy (KvShortcutConflictRules)
// and reach the shortcut edit manager only when OK commits them; Cancel
// leaves the bindings as they were.
//
// Built for one showing: construct it over the main window, DoModal(),
// destroy it.
class FShortcutSettingDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Result {
        Cancel = Closed,
        Ok = 1,
    };

    static constexpr int kWidth = 800;
    static constexpr int kHeight = 552;
    // Where a notice sits over the dialog, and its size.
    static constexpr int kNoticeTop = 33;
    static constexpr int kNoticeWidth = 800;
    static constexpr int kNoticeHeight = 80;

    explicit FShortcutSettingDialog(QWidget *parent = nullptr);
    ~FShortcutSettingDialog() override;

    // Opens the dialog modally over `parent`'s window and commits on OK.
    static int showFor(QWidget *parent);

    // The parts, for the style sheet, tests and the step driver.
    QListWidget *listWidget() const { return m_list; }
    FShortCutSearchLineEdit *searchLineEdit() const { return m_search; }
    FNothingFindWid *nothingFindWidget() const { return m_nothingFind; }
    QWidget *moduleListWidget() const { return m_moduleList; }
    QButtonGroup *moduleButtons() const { return m_moduleButtons; }
    QPushButton *restoreAllButton() const { return m_restoreAll; }
    FMaskWidget *maskWidget() const { return m_mask; }
    // The notice while one is up; null otherwise.
    FShortCutBaseInfoWid *notice() const { return m_notice; }
    // The row widget of a command, made now when its row has not been in
    // view yet; null for a command that is not listed.
    FShortCutItemWid *item(int commandId);
    QList<int> listedCommands() const { return m_rowOfCommand.keys(); }
    // How many rows have their widget so far.
    int itemWidgetCount() const { return m_items.size(); }
    // The rows at which each module's section starts, in list order.
    QVector<int> sectionRows() const { return m_sectionRows; }
    const KvShortcutConflictRules &rules() const { return m_rules; }
    // True when the row of the list is shown (not filtered out).
    bool isCommandShown(int commandId) const;

    // Text a command is found by: its display text in lower case (the mouse
    // gesture for the two commands that keep one), with the arrow-key rule
    // of languages of type 7.
    QString searchTextOf(int commandId) const;

signals:
    void sigConflictInfoSendToInfoWid(const QString &inputStr, const QString &conflictCommand);

public slots:
    void slotRestoreAllBtnClicked();
    void slotShowDialogFromInvalidKeyPressEvent(int commandId);
    void slotUpdateViewForSearch(const QString &text);
    void slotBeginSearchingState(bool searching);

protected:
    void done(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void buildList();
    void addModule(int module, const QString &name);
    void addCommand(int commandId);
    // Rows get their widgets when they come into view: a list of every
    // command opens as fast as one of a screenful.
    void makeVisibleItems();
    // After the first paint the other rows get theirs a few at a time, so
    // that neither search nor scrolling has to make many at once.
    void makeSomeMoreItems();
    void scrollToModule(int module);
    // While browsing, the module button of the section at the top of the
    // list is the selected one.
    void selectModuleInView();

    void onKeySequenceChanged(int commandId, const QKeySequence &sequence);
    void showSequence(int commandId);
    void updateRestoreAllButton();
    // Shows a notice over the masked dialog and waits for its answer; true
    // when confirmed.
    bool runNotice(const QString &title, const QString &message);

    KvShortcutConflictRules m_rules;
    QHash<int, FShortCutItemWid *> m_items;
    QHash<int, int> m_rowOfCommand;
    QHash<int, QString> m_lowerNames;
    QVector<int> m_sectionRows;
    QVector<int> m_sectionModules;

    QWidget *m_moduleList = nullptr;
    QButtonGroup *m_moduleButtons = nullptr;
    QListWidget *m_list = nullptr;
    QStackedWidget *m_stack = nullptr;
    FShortCutSearchLineEdit *m_search = nullptr;
    FNothingFindWid *m_nothingFind = nullptr;
    FMaskWidget *m_mask = nullptr;
    QPointer<FShortCutBaseInfoWid> m_notice;
    QTimer *m_fillTimer = nullptr;
    QPushButton *m_restoreAll = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
