#include "KvSpeechToTextParamDialog.h"

#include "KvSpeechLanguages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QVBoxLayout>

KvSpeechToTextParamDialog::KvSpeechToTextParamDialog(QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_language(new QComboBox(this))
    , m_clips(new QRadioButton(tr("Selected clips"), this))
    , m_timeline(new QRadioButton(tr("Selected timeline range"), this))
{
    setObjectName("KvSpeechToTextParamDialog");
    setTitle(tr("Speech to Text"));
    for (const auto &language : KvSpeechLanguages::languages())
        m_language->addItem(language.second, language.first);
    m_language->setObjectName("KvSpeechToTextParamDialog_Language");
    m_language->setAccessibleName(tr("Language"));
    m_clips->setObjectName("KvSpeechToTextParamDialog_Clips");
    m_clips->setAccessibleName(m_clips->text());
    m_timeline->setObjectName("KvSpeechToTextParamDialog_Timeline");
    m_timeline->setAccessibleName(m_timeline->text());

    addButton(tr("Cancel"), Closed);
    addButton(tr("Start"), Start, true);

    auto *form = new QFormLayout;
    form->addRow(tr("Language:"), m_language);
    form->addRow(tr("Transcribe:"), m_clips);
    form->addRow(QString(), m_timeline);
    auto *layout = new QVBoxLayout(contentWidget());
    layout->addLayout(form);

    setTargetChoice(KvSpeechTargetChoice::ClipsOnly);
}

KvSpeechToTextParamDialog::~KvSpeechToTextParamDialog() = default;

void KvSpeechToTextParamDialog::setTargetChoice(KvSpeechTargetChoice choice)
{
    m_choice = choice;
    m_clips->setEnabled(choice != KvSpeechTargetChoice::TimelineOnly);
    m_timeline->setEnabled(choice != KvSpeechTargetChoice::ClipsOnly);
    (choice == KvSpeechTargetChoice::TimelineOnly ? m_timeline : m_clips)->setChecked(true);
}

KvSpeechTaskParams KvSpeechToTextParamDialog::params() const
{
    KvSpeechTaskParams params;
    params.kind = KvSpeechTaskKind::SpeechToText;
    params.language = m_language->currentData().toString();
    params.target = m_timeline->isChecked() ? KvSpeechTarget::Timeline : KvSpeechTarget::Clips;
    return params;
}
