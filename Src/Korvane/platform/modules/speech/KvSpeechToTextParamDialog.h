#pragma once

#include "KvSpeechTaskParams.h"

#include "KvFramelessDialog.h"

class QComboBox;
class QRadioButton;

// Asks for the language of a transcription and, when the selection allows
// both, whether it covers the selected clips or the selected timeline range.
class KvSpeechToTextParamDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    explicit KvSpeechToTextParamDialog(QWidget *parent = nullptr);
    ~KvSpeechToTextParamDialog() override;

    void setTargetChoice(KvSpeechTargetChoice choice);
    KvSpeechTargetChoice targetChoice() const { return m_choice; }

    // DoModal answers Start when the user starts the job, else Closed.
    enum Result { Start = 1 };
    // The language and target as chosen; the caller adds the targets.
    KvSpeechTaskParams params() const;

    QComboBox *languageBox() const { return m_language; }
    QRadioButton *clipsButton() const { return m_clips; }
    QRadioButton *timelineButton() const { return m_timeline; }

private:
    KvSpeechTargetChoice m_choice = KvSpeechTargetChoice::ClipsOnly;
    QComboBox *m_language;
    QRadioButton *m_clips;
    QRadioButton *m_timeline;
};
