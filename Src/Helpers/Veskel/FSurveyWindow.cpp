#include "FSurveyWindow.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorCommands.h"
#include "KvHelperChannel.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

FSurveyWindow::FSurveyWindow(KvHelperChannel *channel)
    : m_channel(channel)
    , m_question(new QLabel)
{
    setObjectName(QStringLiteral("FSurveyWindow"));
    setWindowTitle(tr("Korvane X survey"));
    m_question->setWordWrap(true);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_question, 0, 0, 1, 11);
    for (int score = 0; score <= 10; ++score) {
        auto *button = new QPushButton(QString::number(score));
        button->setAccessibleName(tr("Score %1").arg(score));
        connect(button, &QPushButton::clicked, this, [this, score] { finish(score); });
        layout->addWidget(button, 1, score);
    }
    auto *later = new QPushButton(tr("Not now"));
    later->setAccessibleName(later->text());
    connect(later, &QPushButton::clicked, this, [this] { finish(-1); });
    layout->addWidget(later, 2, 8, 1, 3);
    connect(channel, &KvHelperChannel::sigMessage, this, &FSurveyWindow::handle);
}

void FSurveyWindow::handle(const KvCommunicatorMsg &message)
{
    KV_LOG_INFO("received %s [%s]", KV_CSTR(message.command()),
                KV_CSTR(message.contents().join(QStringLiteral("|"))));
    if (message.contains(KvCommand::NpsengineActive)) {
        m_channel->send(QString(KvCommand::NpsengineActived), {});
        load(message.contents());
    } else if (message.contains(KvCommand::NpsengineReload)) {
        load(message.contents());
    }
}

void FSurveyWindow::load(const QStringList &parameters)
{
    m_question->setText(tr("How likely are you to recommend Korvane X %1 to a friend?").arg(parameters.value(0)));
    m_open = true;
    show();
    raise();
    m_channel->send(QString(KvCommand::NpsengineLoaded), {});
    bool ok = false;
    const int answer = qEnvironmentVariableIntValue("KV_SURVEY_ANSWER", &ok);
    if (ok)
        QTimer::singleShot(0, this, [this, answer] { finish(answer); });
}

void FSurveyWindow::finish(int score)
{
    if (!m_open)
        return;
    m_open = false;
    KV_LOG_INFO("answer %d", score);
    hide();
    m_channel->send(QString(KvCommand::NpsengineClose), {QString::number(score)});
}

void FSurveyWindow::closeEvent(QCloseEvent *event)
{
    finish(-1);
    event->accept();
}
