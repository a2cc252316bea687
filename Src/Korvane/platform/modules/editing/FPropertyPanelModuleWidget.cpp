#include "FPropertyPanelModuleWidget.h"

#include "IKvProject.h"

#include <QFormLayout>
#include <QLabel>

FPropertyPanelModuleWidget::FPropertyPanelModuleWidget(QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_resolution(new QLabel(this))
    , m_frameRate(new QLabel(this))
    , m_media(new QLabel(this))
{
    setObjectName(QStringLiteral("FPropertyPanelModuleWidget"));
    m_resolution->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Resolution"));
    m_frameRate->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_FrameRate"));
    m_media->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Media"));
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Resolution:"), m_resolution);
    layout->addRow(tr("Frame rate:"), m_frameRate);
    layout->addRow(tr("Media:"), m_media);
    refresh();
}

void FPropertyPanelModuleWidget::showProject(IKvProject *project)
{
    if (!project) {
        m_resolution->clear();
        m_frameRate->clear();
        m_media->clear();
        return;
    }
    const KvProjectSettings settings = project->settings();
    m_resolution->setText(QStringLiteral("%1 x %2").arg(settings.width).arg(settings.height));
    m_frameRate->setText(tr("%1 fps").arg(settings.frameRate, 0, 'g', 6));
    m_media->setText(QString::number(project->mediaPaths().size()));
}
