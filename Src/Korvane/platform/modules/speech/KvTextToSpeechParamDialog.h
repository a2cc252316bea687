#pragma once

#include "KvSpeechTaskParams.h"

#include "KvFramelessDialog.h"

class QCheckBox;
class QComboBox;

// Asks for the language and voice of spoken text, and whether the same
// voice applies to every selected text clip.
class KvTextToSpeechParamDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    explicit KvTextToSpeechParamDialog(QWidget *parent = nullptr);
    ~KvTextToSpeechParamDialog() override;

    // DoModal answers Start when the user starts the job, else Closed.
    enum Result { Start = 1 };
    KvSpeechTaskParams params() const;

    QComboBox *languageBox() const { return m_language; }
    QComboBox *voiceBox() const { return m_voice; }
    QCheckBox *useCheckBox() const { return m_useCheck; }

private:
    void fillVoices();

    QComboBox *m_language;
    QComboBox *m_voice;
    QCheckBox *m_useCheck;
};
