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
    m_match->setText(tr("Match To Media") + "\n" + settingsText(media));
    m_match->setAccessibleName(tr("Match To Media"));
    m_match->setDefault(true);
    m_keep->setObjectName("FMatchProjectConfirmDlgPanel_KeepBtn");
    m_keep->setText(tr("Keep Project Settings") + "\n" + settingsText(project));
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

QString FMatchProjectConfirmDlgPanel::settingsText(const KvProjectSettings &settings)
{
    const double hundredths = qRound64(settings.frameRate * 100);
    return QStringLiteral("%1 x %2 %3fps")
        .arg(settings.width)
        .arg(settings.height)
        .arg(QString::number(hundredths / 100.0, 'g', 6));
}

bool FMatchProjectConfirmDlgPanel::isStopAsking() const
{
    return m_stopAsking->isChecked();
}
