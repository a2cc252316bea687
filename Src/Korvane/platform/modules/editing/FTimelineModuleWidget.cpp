#include "FTimelineModuleWidget.h"

#include "FTimelineClipModel.h"
#include "IKvBaseLog.h"
#include "IKvProject.h"

#include <QListView>
#include <QVBoxLayout>

FTimelineModuleWidget::FTimelineModuleWidget(QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_model(new FTimelineClipModel(this))
    , m_clips(new QListView(this))
{
    setObjectName(QStringLiteral("FTimelineModuleWidget"));
    setMinimumHeight(200);
    m_clips->setObjectName(QStringLiteral("FTimelineModuleWidget_Clips"));
    m_clips->setAccessibleName(tr("Timeline clips"));
    m_clips->setUniformItemSizes(true);
    m_clips->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_clips->setModel(m_model);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_clips);
    refresh();
}

QStringList FTimelineModuleWidget::clipTexts() const
{
    QStringList texts;
    texts.reserve(m_model->rowCount());
    for (int row = 0; row < m_model->rowCount(); ++row)
        texts << m_model->textAt(row);
    return texts;
}

void FTimelineModuleWidget::showProject(IKvProject *project)
{
    if (!project) {
        m_model->setClips(QStringList(), QVector<KvTimelineClip>());
        return;
    }
    m_model->setClips(project->mediaPaths(), project->clips());
    KV_LOG_INFO("timeline shows %d clips", m_model->rowCount());
}
