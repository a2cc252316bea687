#include "FPropertyPanelModuleWidget.h"

#include "IKvMediaLibrary.h"
#include "IKvProject.h"
#include "IKvProjectManager.h"
#include "IKvTimeline.h"
#include "KvMediaEditor.h"
#include "KvMediaType.h"
#include "KvTimecode.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// Seconds shown with milliseconds; the model counts milliseconds.
QDoubleSpinBox *secondsBox(QWidget *parent, const char *objectName, const QString &accessibleName)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setAccessibleName(accessibleName);
    box->setDecimals(3);
    box->setRange(0.0, 24.0 * 3600.0);
    box->setSuffix(QStringLiteral(" s"));
    box->setKeyboardTracking(false);
    return box;
}

qint64 toMs(double seconds)
{
    return qRound64(seconds * 1000.0);
}

} // namespace

FPropertyPanelModuleWidget::FPropertyPanelModuleWidget(QWidget *parent)
    : FPropertyPanelModuleWidget(IKvProjectManager::getInstance()->timeline(),
                                 IKvProjectManager::getInstance()->mediaEditor(), parent)
{
}

FPropertyPanelModuleWidget::FPropertyPanelModuleWidget(IKvTimeline *timeline, KvMediaEditor *mediaEditor,
                                                       QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_timeline(timeline)
    , m_editor(mediaEditor)
{
    setObjectName(QStringLiteral("FPropertyPanelModuleWidget"));
    build();
    if (m_editor)
        connect(m_editor, &KvMediaEditor::sigCurrentChanged, this, &FPropertyPanelModuleWidget::showClip);
    if (m_timeline) {
        connect(m_timeline, &IKvTimeline::sigClipsChanged, this, &FPropertyPanelModuleWidget::showClip);
        connect(m_timeline, &IKvTimeline::sigSelectionChanged, this, &FPropertyPanelModuleWidget::showClip);
    }
    refresh();
}

void FPropertyPanelModuleWidget::build()
{
    m_pages = new QStackedWidget(this);
    auto *projectPage = new QWidget(m_pages);
    projectPage->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Project"));
    m_resolution = new QLabel(projectPage);
    m_resolution->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Resolution"));
    m_frameRate = new QLabel(projectPage);
    m_frameRate->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_FrameRate"));
    m_media = new QLabel(projectPage);
    m_media->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Media"));
    auto *projectForm = new QFormLayout(projectPage);
    projectForm->addRow(tr("Resolution:"), m_resolution);
    projectForm->addRow(tr("Frame rate:"), m_frameRate);
    projectForm->addRow(tr("Media:"), m_media);

    auto *clipPage = new QWidget(m_pages);
    clipPage->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Clip"));
    m_name = new QLabel(clipPage);
    m_name->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Name"));
    m_type = new QLabel(clipPage);
    m_type->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Type"));
    m_place = new QLabel(clipPage);
    m_place->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Place"));
    m_track = new QSpinBox(clipPage);
    m_track->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Track"));
    m_track->setAccessibleName(tr("Track"));
    m_track->setRange(1, KvProjectLimits::kMaxTrack + 1);
    m_track->setKeyboardTracking(false);
    m_start = secondsBox(clipPage, "FPropertyPanelModuleWidget_Start", tr("Start"));
    m_in = secondsBox(clipPage, "FPropertyPanelModuleWidget_In", tr("In point"));
    m_out = secondsBox(clipPage, "FPropertyPanelModuleWidget_Out", tr("Out point"));
    m_volume = new QSpinBox(clipPage);
    m_volume->setObjectName(QStringLiteral("FPropertyPanelModuleWidget_Volume"));
    m_volume->setAccessibleName(tr("Clip volume"));
    m_volume->setRange(0, KvProjectLimits::kMaxVolume);
    m_volume->setSuffix(QStringLiteral(" %"));
    m_volume->setKeyboardTracking(false);
    auto *clipForm = new QFormLayout(clipPage);
    clipForm->addRow(tr("Clip:"), m_name);
    clipForm->addRow(tr("Type:"), m_type);
    clipForm->addRow(tr("Place:"), m_place);
    clipForm->addRow(tr("Track:"), m_track);
    clipForm->addRow(tr("Start:"), m_start);
    clipForm->addRow(tr("In:"), m_in);
    clipForm->addRow(tr("Out:"), m_out);
    clipForm->addRow(tr("Volume:"), m_volume);

    m_pages->addWidget(projectPage);
    m_pages->addWidget(clipPage);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_pages);

    connect(m_track, QOverload<int>::of(&QSpinBox::valueChanged), this, &FPropertyPanelModuleWidget::applyTrack);
    connect(m_start, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &FPropertyPanelModuleWidget::applyStart);
    connect(m_in, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &FPropertyPanelModuleWidget::applyRange);
    connect(m_out, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &FPropertyPanelModuleWidget::applyRange);
    connect(m_volume, QOverload<int>::of(&QSpinBox::valueChanged), this, &FPropertyPanelModuleWidget::applyVolume);
}

void FPropertyPanelModuleWidget::showProject(IKvProject *project)
{
    if (!project) {
        m_resolution->clear();
        m_frameRate->clear();
        m_media->clear();
    } else {
        const KvProjectSettings settings = project->settings();
        m_resolution->setText(QStringLiteral("%1 x %2").arg(settings.width).arg(settings.height));
        m_frameRate->setText(tr("%1 fps").arg(settings.frameRate, 0, 'g', 6));
        m_media->setText(QString::number(project->mediaCount()));
    }
    showClip();
}

void FPropertyPanelModuleWidget::showClip()
{
    int clip = m_editor ? m_editor->currentClip() : -1;
    // Without a clip selector linking the timeline to the media editor, a
    // single selected clip is still the one to edit.
    if (clip < 0 && m_timeline && m_timeline->selectedClips().size() == 1)
        clip = m_timeline->selectedClips().first();
    if (!m_timeline || clip < 0 || clip >= m_timeline->clipCount()) {
        m_clip = -1;
        m_pages->setCurrentIndex(0);
        return;
    }
    m_clip = clip;
    const KvTimelineClip data = m_timeline->clipAt(clip);
    const QString path = m_timeline->mediaPathOf(clip);
    const double rate = m_timeline->frameRate();
    m_name->setText(IKvMediaLibrary::fileNameOf(path));
    m_name->setToolTip(path);
    m_type->setText(KvMediaProbe::typeName(KvMediaProbe::typeBySuffix(path)));
    m_place->setText(tr("%1 - %2 (%3)")
                         .arg(KvTimecode::format(data.startMs, rate), KvTimecode::format(data.endMs(), rate),
                              KvTimecode::format(data.durationMs(), rate)));
    // Filled with signals blocked: loading must not edit.
    const QSignalBlocker b1(m_track), b2(m_start), b3(m_in), b4(m_out), b5(m_volume);
    m_track->setValue(data.track + 1);
    m_start->setValue(data.startMs / 1000.0);
    m_in->setValue(data.inMs / 1000.0);
    m_out->setValue(data.outMs / 1000.0);
    m_volume->setValue(data.volume);
    m_pages->setCurrentIndex(1);
}

void FPropertyPanelModuleWidget::applyTrack(int track)
{
    if (m_timeline && m_clip >= 0)
        m_timeline->moveClip(m_clip, track - 1, m_timeline->clipAt(m_clip).startMs);
    showClip();
}

void FPropertyPanelModuleWidget::applyStart(double seconds)
{
    if (m_timeline && m_clip >= 0)
        m_timeline->moveClip(m_clip, m_timeline->clipAt(m_clip).track, toMs(seconds));
    showClip();
}

void FPropertyPanelModuleWidget::applyRange()
{
    // An out point before the in point is refused by the model; the boxes
    // then go back to what it holds.
    if (m_timeline && m_clip >= 0)
        m_timeline->setClipRange(m_clip, toMs(m_in->value()), toMs(m_out->value()));
    showClip();
}

void FPropertyPanelModuleWidget::applyVolume(int volume)
{
    if (m_timeline && m_clip >= 0)
        m_timeline->setClipVolume(m_clip, volume);
    showClip();
}
