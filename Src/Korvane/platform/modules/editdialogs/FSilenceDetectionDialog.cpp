#include "FSilenceDetectionDialog.h"

#include "IKvBaseLog.h"

#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

FSilenceDetectionDialog::FSilenceDetectionDialog(const QStringList &mediaPaths, QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
    , m_threshold(new QDoubleSpinBox(this))
    , m_minSilence(new QSpinBox(this))
    , m_detectButton(new QPushButton(tr("Detect"), this))
    , m_resultList(new QListWidget(this))
    , m_status(new QLabel(this))
{
    for (const QString &path : mediaPaths) {
        if (QFileInfo(path).suffix().compare("wav", Qt::CaseInsensitive) == 0)
            m_paths << path;
    }
    setObjectName("FSilenceDetectionDialog");
    setTitle(tr("Silence Detection"));
    m_threshold->setRange(-90.0, -6.0);
    m_threshold->setValue(-40.0);
    m_threshold->setSuffix(tr(" dB"));
    m_threshold->setObjectName("FSilenceDetectionDialog_Threshold");
    m_threshold->setAccessibleName(tr("Volume threshold"));
    m_minSilence->setRange(50, 60000);
    m_minSilence->setValue(500);
    m_minSilence->setSuffix(tr(" ms"));
    m_minSilence->setObjectName("FSilenceDetectionDialog_MinSilence");
    m_minSilence->setAccessibleName(tr("Minimum silence length"));
    m_detectButton->setObjectName("FSilenceDetectionDialog_DetectBtn");
    m_detectButton->setAccessibleName(tr("Detect"));
    m_resultList->setObjectName("FSilenceDetectionDialog_Results");
    m_resultList->setAccessibleName(tr("Silent stretches"));
    m_status->setObjectName("FSilenceDetectionDialog_Status");
    m_status->setText(m_paths.isEmpty() ? tr("The project has no WAV audio to examine.")
                                        : tr("%n audio file(s) to examine.", nullptr, m_paths.size()));
    m_detectButton->setEnabled(!m_paths.isEmpty());

    addButton(tr("Close"), Closed);

    auto *form = new QFormLayout;
    form->addRow(tr("Volume threshold:"), m_threshold);
    form->addRow(tr("Minimum length:"), m_minSilence);
    auto *layout = new QVBoxLayout(contentWidget());
    layout->addLayout(form);
    layout->addWidget(m_detectButton, 0, Qt::AlignLeft);
    layout->addWidget(m_resultList);
    layout->addWidget(m_status);

    connect(m_detectButton, &QPushButton::clicked, this, &FSilenceDetectionDialog::detect);
    connect(&m_watcher, &QFutureWatcher<Results>::finished, this, &FSilenceDetectionDialog::onFinished);
}

FSilenceDetectionDialog::~FSilenceDetectionDialog()
{
    // The worker stops at its next window of samples; waiting for it is short.
    m_cancel->store(true);
    m_watcher.waitForFinished();
}

void FSilenceDetectionDialog::setThresholdDb(double db)
{
    m_threshold->setValue(db);
}

void FSilenceDetectionDialog::setMinSilenceMs(int ms)
{
    m_minSilence->setValue(ms);
}

bool FSilenceDetectionDialog::detect()
{
    if (m_paths.isEmpty() || m_watcher.isRunning())
        return false;
    const QStringList paths = m_paths;
    const double threshold = m_threshold->value();
    const qint64 minSilence = m_minSilence->value();
    m_detectButton->setEnabled(false);
    m_status->setText(tr("Examining the audio..."));
    const std::shared_ptr<std::atomic_bool> cancel = m_cancel;
    m_watcher.setFuture(QtConcurrent::run([paths, threshold, minSilence, cancel] {
        Results results;
        for (const QString &path : paths) {
            QVector<FSilenceDetector::Range> ranges;
            QString error;
            if (FSilenceDetector::detect(path, threshold, minSilence, &ranges, &error, cancel.get()))
                results.insert(path, ranges);
            else if (cancel->load())
                break;
            else
                KV_LOG_ERROR("silence detection skipped \"%s\": %s", KV_CSTR(path), KV_CSTR(error));
        }
        return results;
    }));
    return true;
}

void FSilenceDetectionDialog::onFinished()
{
    m_results = m_watcher.result();
    m_resultList->clear();
    int total = 0;
    for (auto it = m_results.cbegin(); it != m_results.cend(); ++it) {
        total += it.value().size();
        m_resultList->addItem(tr("%1: %n silent stretch(es)", nullptr, it.value().size()).arg(QFileInfo(it.key()).fileName()));
    }
    m_status->setText(tr("%n silent stretch(es) found.", nullptr, total));
    m_detectButton->setEnabled(true);
    emit sigDetectionFinished();
}
