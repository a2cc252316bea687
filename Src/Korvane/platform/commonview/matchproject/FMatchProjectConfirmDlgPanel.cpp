#include "FMatchProjectConfirmDlgPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FMatchProjectConfirmDlgPanel::FMatchProjectConfirmDlgPanel(const KvProjectSettings &media,
                                                           const KvProjectSettings &project, QWidget *parent)
    : QWidget(parent)
    , m_text(new QLabel(tr("The resolution or frame rate of the media does not match the current project settings. "
                           "Do you want to change your project settings to match?"),
                        this))
    , m_stopAsking(new QCheckBox(tr("Stop asking for now."), this))
    , m_match(new QPushButton(this))
    , m_keep(new QPushButton(this))
{
    setObjectName("FMatchProjectConfirmDlgPanel");
    m_text->setObjectName("FMatchProjectConfirmDlgPanel_Text");
    m_text->setWordWrap(true);
    m_stopAsking->setObjectName("FMatchProjectConfirmDlgPanel_StopAsking");
    m_stopAsking->setAccessibleName(m_stopAsking->text());

    // Each choice names what it stands for on a second line.
    m_match->setObjectName("FMatchProjectConfirmDlgPanel_MatchBtn");
    m_match->setText(tr("Match To Media") + "\n" + mediaText(media));
    m_match->setAccessibleName(tr("Match To Media"));
    m_match->setDefault(true);
    m_keep->setObjectName("FMatchProjectConfirmDlgPanel_KeepBtn");
    m_keep->setText(tr("Keep Project Settings") + "\n" + projectText(project));
    m_keep->setAccessibleName(tr("Keep Project Settings"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_match);
    buttons->addWidget(m_keep);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_stopAsking);
    layout->addLayout(buttons);

    connect(m_match, &QPushButton::clicked, this, &FMatchProjectConfirmDlgPanel::s_match);
    connect(m_keep, &QPushButton::clicked, this, &FMatchProjectConfirmDlgPanel::s_close);
}

FMatchProjectConfirmDlgPanel::~FMatchProjectConfirmDlgPanel() = default;

namespace {

QString sizeAndRate(int width, int height, double rate)
{
    return QStringLiteral("%1 x %2 %3fps").arg(width).arg(height).arg(QString::number(rate, 'g', 6));
}

} // namespace

QString FMatchProjectConfirmDlgPanel::mediaText(const KvProjectSettings &media)
{
    return sizeAndRate(media.width, media.height, media.frameRate);
}

QString FMatchProjectConfirmDlgPanel::projectText(const KvProjectSettings &project)
{
    const qint64 hundredths = qRound64(project.frameRate * 100);
    return sizeAndRate(project.width, project.height, hundredths / 100.0);
}

bool FMatchProjectConfirmDlgPanel::isStopAsking() const
{
    return m_stopAsking->isChecked();
}
