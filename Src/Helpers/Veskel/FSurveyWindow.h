#pragma once

#include "KvCommunicatorMsg.h"

#include <QWidget>

class KvHelperChannel;
class QLabel;

// The satisfaction survey: one question, answered with a score from 0 to 10
// or dismissed. The editor activates it (CMD_NPSENGINE_ACTIVE, with the
// product version and language) and may reload it (CMD_NPSENGINE_RELOAD);
// the window answers CMD_NPSENGINE_ACTIVED and CMD_NPSENGINE_LOADED, and
// CMD_NPSENGINE_CLOSE with the score ("-1" when dismissed) once the user is
// done. KV_SURVEY_ANSWER=<score> answers as soon as the survey has loaded.
class FSurveyWindow : public QWidget
{
    Q_OBJECT

public:
    explicit FSurveyWindow(KvHelperChannel *channel);

    void handle(const KvCommunicatorMsg &message);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void load(const QStringList &parameters);
    void finish(int score);

    KvHelperChannel *m_channel;
    QLabel *m_question;
    bool m_open = false;
};
