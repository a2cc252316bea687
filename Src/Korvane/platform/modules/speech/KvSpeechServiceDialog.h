#pragma once

#include "KvSpeechServicePresenter.h"

#include "KvFramelessDialog.h"

class QListWidget;
class QListWidgetItem;
class QTabWidget;

// The speech job window: one tab per kind, listing its jobs and their files.
// A finished job's file, double-clicked, asks the editor to locate it
// (sigFindMatterLocation). The editor keeps one of these for the session.
//
// A subtitle file is announced twice, in this order: as a product for the
// media library (sigSrtProductFileGenerate), then for placing on the
// timeline (sigSrtFileGenerate), unless the job was cancelled in between.
class KvSpeechServiceDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Tab { SpeechToTextTab = 0, TextToSpeechTab = 1 };

    explicit KvSpeechServiceDialog(QWidget *parent = nullptr);
    ~KvSpeechServiceDialog() override;

    KvSpeechServicePresenter *presenter() const { return m_presenter; }

    // True when the window may go: no job runs, or the user agrees to stop
    // them (which cancels them).
    bool checkCanClose();

    void setCurrentTab(int tab);
    int currentTab() const;
    // Shows the window in front, on its first tab.
    void raiseOnFirstTab();

    QListWidget *taskList(int tab) const;

signals:
    void sigSrtFileGenerate(const QString &filepath, IKvClip *clip, IKvTimeline *timeline);
    void sigAudioFileGenerate(const QString &filepath, IKvClip *clip);
    void sigSrtProductFileGenerate(const QString &filepath, const QString &folderName, IKvClip *clip,
                                   qint64 beginPos, bool isStart);
    void sigFindMatterLocation(const QString &filepath);
    void sigTaskFinish();

protected:
    void closeEvent(QCloseEvent *event) override;
    void onCloseClicked() override;

private:
    void onTaskChanged(int id);
    void onSrtFile(const KvSpeechFileEvent &event);
    void onItemActivated(QListWidgetItem *item);

    KvSpeechServicePresenter *m_presenter;
    QTabWidget *m_tabs;
    QListWidget *m_sttList;
    QListWidget *m_ttsList;
};
