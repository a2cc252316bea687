#include "KvTextToSpeechParamDialog.h"

#include "KvSpeechLanguages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

KvTextToSpeechParamDialog::KvTextToSpeechParamDialog(QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_language(new QComboBox(this))
    , m_voice(new QComboBox(this))
    , m_useCheck(new QCheckBox(tr("Apply to all selected text clips"), this))
{
    setObjectName("KvTextToSpeechParamDialog");
    setTitle(tr("Text to Speech"));
    {
        const QSignalBlocker blocker(m_language);
        for (const auto &language : KvSpeechLanguages::languages())
            m_language->addItem(language.second, language.first);
    }
    m_language->setObjectName("KvTextToSpeechParamDialog_Language");
    m_language->setAccessibleName(tr("Language"));
    m_voice->setObjectName("KvTextToSpeechParamDialog_Voice");
    m_voice->setAccessibleName(tr("Voice"));
    m_useCheck->setObjectName("KvTextToSpeechParamDialog_UseCheck");
    m_useCheck->setAccessibleName(m_useCheck->text());

    addButton(tr("Cancel"), Closed);
    addButton(tr("Start"), Start, true);

    auto *form = new QFormLayout;
    form->addRow(tr("Language:"), m_language);
    form->addRow(tr("Voice:"), m_voice);
    auto *layout = new QVBoxLayout(contentWidget());
    layout->addLayout(form);
    layout->addWidget(m_useCheck);

    connect(m_language, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &KvTextToSpeechParamDialog::fillVoices);
    fillVoices();
}

KvTextToSpeechParamDialog::~KvTextToSpeechParamDialog() = default;

KvSpeechTaskParams KvTextToSpeechParamDialog::params() const
{
    KvSpeechTaskParams params;
    params.kind = KvSpeechTaskKind::TextToSpeech;
    params.language = m_language->currentData().toString();
    params.voiceName = m_voice->currentText();
    params.useCheck = m_useCheck->isChecked();
    return params;
}

void KvTextToSpeechParamDialog::fillVoices()
{
    const QSignalBlocker blocker(m_voice);
    m_voice->clear();
    m_voice->addItems(KvSpeechLanguages::voices(m_language->currentData().toString()));
}
