#pragma once

#include "FSilenceDetector.h"

#include "KvFramelessDialog.h"
#include <QFutureWatcher>
#include <QMap>

#include <atomic>
#include <memory>

class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// Finds the silent stretches of the project's WAV media with the chosen
// threshold and minimum length. The files are read on the thread pool; the
// window lists what was found per file.
class FSilenceDetectionDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    using Results = QMap<QString, QVector<FSilenceDetector::Range>>;

    explicit FSilenceDetectionDialog(const QStringList &mediaPaths, QWidget *parent = nullptr);
    ~FSilenceDetectionDialog() override;


    void setThresholdDb(double db);
    void setMinSilenceMs(int ms);
    // Starts detection over the media that are WAV files; false when there
    // are none or a run is in progress.
    bool detect();
    bool isRunning() const { return m_watcher.isRunning(); }
    Results results() const { return m_results; }

signals:
    void sigDetectionFinished();

private:
    void onFinished();

    QStringList m_paths;
    QDoubleSpinBox *m_threshold;
    QSpinBox *m_minSilence;
    QPushButton *m_detectButton;
    QListWidget *m_resultList;
    QLabel *m_status;
    QFutureWatcher<Results> m_watcher;
    // Shared with the worker, which may outlive a closed dialog by a window.
    std::shared_ptr<std::atomic_bool> m_cancel = std::make_shared<std::atomic_bool>(false);
    Results m_results;
};
