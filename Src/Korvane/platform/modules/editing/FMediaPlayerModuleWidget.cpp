#include "FMediaPlayerModuleWidget.h"

#include "IKvProject.h"

#include <QLabel>
#include <QVBoxLayout>

FMediaPlayerModuleWidget::FMediaPlayerModuleWidget(QWidget *parent)
    : FEditingModuleWidget(parent)
    , m_screen(new QLabel(this))
    , m_duration(new QLabel(this))
{
    setObjectName(QStringLiteral("FMediaPlayerModuleWidget"));
    setMinimumSize(361, 200);
    m_screen->setObjectName(QStringLiteral("FMediaPlayerModuleWidget_Screen"));
    m_screen->setAlignment(Qt::AlignCenter);
    m_screen->setAutoFillBackground(true);
    QPalette palette = m_screen->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    m_screen->setPalette(palette);
    m_duration->setObjectName(QStringLiteral("FMediaPlayerModuleWidget_Duration"));
    m_duration->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_screen, 1);
    layout->addWidget(m_duration);
    refresh();
}

QString FMediaPlayerModuleWidget::formatDuration(qint64 ms)
{
    const qint64 seconds = qMax<qint64>(ms, 0) / 1000;
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(secondsText);
    return QStringLiteral("%1:%2").arg(minutes).arg(secondsText);
}

void FMediaPlayerModuleWidget::showProject(IKvProject *project)
{
    if (!project) {
        m_screen->setText(tr("No project"));
        m_duration->setText(formatDuration(0));
        return;
    }
    m_screen->setText(project->name().isEmpty() ? tr("Untitled") : project->name());
    m_duration->setText(formatDuration(project->durationMs()));
}
