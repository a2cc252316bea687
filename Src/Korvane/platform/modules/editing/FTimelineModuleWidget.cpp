#include "FTimelineModuleWidget.h"

#include "FMediaPlayerModuleWidget.h"
#include "IKvProject.h"

#include <QFileInfo>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

FTimelineModuleWidget::FTimelineModuleWidget(QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_clips(new QListWidget(this))
{
    setObjectName(QStringLiteral("FTimelineModuleWidget"));
    setMinimumHeight(200);
    m_clips->setObjectName(QStringLiteral("FTimelineModuleWidget_Clips"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_clips);
    refresh();
}

QStringList FTimelineModuleWidget::clipTexts() const
{
    QStringList texts;
    for (int row = 0; row < m_clips->count(); ++row)
        texts << m_clips->item(row)->text();
    return texts;
}

void FTimelineModuleWidget::showProject(IKvProject *project)
{
    m_clips->clear();
    if (!project)
        return;
    const QStringList media = project->mediaPaths();
    QVector<KvTimelineClip> clips = project->clips();
    std::stable_sort(clips.begin(), clips.end(), [](const KvTimelineClip &a, const KvTimelineClip &b) {
        return a.track != b.track ? a.track < b.track : a.startMs < b.startMs;
    });
    for (const KvTimelineClip &clip : qAsConst(clips)) {
        const QString name = clip.mediaIndex >= 0 && clip.mediaIndex < media.size()
            ? QFileInfo(media.at(clip.mediaIndex)).fileName()
            : tr("(missing medium)");
        m_clips->addItem(tr("Track %1: %2  %3 - %4")
                             .arg(clip.track + 1)
                             .arg(name, FMediaPlayerModuleWidget::formatDuration(clip.startMs),
                                  FMediaPlayerModuleWidget::formatDuration(clip.endMs())));
    }
}
