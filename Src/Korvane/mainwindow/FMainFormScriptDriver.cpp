#include "FMainFormScriptDriver.h"

#include "IKvBaseLog.h"
#include "IKvTimeline.h"
#include "KorvaneMainForm.h"
#include "KorvaneMainFormPresenter.h"
#include "KvMediaImportMessage.h"
#include "KvMessage.h"

#include <QAbstractButton>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QThread>
#include <QTimer>

void FMainFormScriptDriver::startIfRequested(KorvaneMainForm *form)
{
    const QString path = qEnvironmentVariable(kVariable);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        KV_LOG_ERROR("ui script %s cannot be read", KV_CSTR(path));
        return;
    }
    const QStringList steps = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    new FMainFormScriptDriver(form, steps);
}

FMainFormScriptDriver::FMainFormScriptDriver(KorvaneMainForm *form, const QStringList &steps)
    : QObject(form)
    , m_form(form)
    , m_steps(steps)
{
    QTimer::singleShot(0, this, &FMainFormScriptDriver::next);
}

void FMainFormScriptDriver::next()
{
    if (!m_form)
        return;
    // The steps begin once start-up has handed over to the main loop, so
    // that they act on the editor as a user finds it.
    if (!m_started && QThread::currentThread()->loopLevel() != 1) {
        QTimer::singleShot(100, this, &FMainFormScriptDriver::next);
        return;
    }
    m_started = true;
    if (m_steps.isEmpty()) {
        KV_LOG_INFO("ui script: done");
        return;
    }
    const QString step = m_steps.takeFirst().trimmed();
    KV_LOG_INFO("ui script: %s", KV_CSTR(step));
    const int delay = run(step);
    if (delay >= 0)
        QTimer::singleShot(delay, this, &FMainFormScriptDriver::next);
}

int FMainFormScriptDriver::run(const QString &step)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString argument = step.section(QLatin1Char(' '), 1);
    auto *presenter = qobject_cast<KorvaneMainFormPresenter *>(m_form->presenter());
    if (verb == QLatin1String("import") && presenter) {
        const int item = presenter->importMedia({argument}, KvMediaImportMessage::SourceUser);
        KV_LOG_INFO("ui script: imported item %d", item);
    } else if (verb == QLatin1String("add") && presenter && presenter->timeline()) {
        const int clip = presenter->timeline()->addMediaAtPlayhead(argument.toInt());
        KV_LOG_INFO("ui script: clip %d added", clip);
    } else if (verb == QLatin1String("click") || verb == QLatin1String("enabled")) {
        auto *button = m_form->findChild<QAbstractButton *>(argument);
        if (!button) {
            KV_LOG_ERROR("ui script: no button %s", KV_CSTR(argument));
        } else if (verb == QLatin1String("click")) {
            button->click();
        } else {
            KV_LOG_INFO("ui script: %s enabled %d", KV_CSTR(argument), int(button->isEnabled()));
        }
    } else if (verb == QLatin1String("menu")) {
        auto *menu = m_form->findChild<QMenu *>(argument);
        auto *bar = m_form->findChild<QMenuBar *>();
        if (!menu || !bar)
            KV_LOG_ERROR("ui script: no menu %s", KV_CSTR(argument));
        else if (bar->actions().contains(menu->menuAction()))
            bar->setActiveAction(menu->menuAction());
        else
            menu->popup(QCursor::pos());
    } else if (verb == QLatin1String("message")) {
        KvMessage message(argument.toInt());
        m_form->sendMessageToScene(&message);
    } else if (verb == QLatin1String("wait")) {
        return qMax(0, argument.toInt());
    } else if (verb == QLatin1String("close")) {
        // The close may end the process; nothing runs after it.
        QTimer::singleShot(0, m_form.data(), &QWidget::close);
        return -1;
    } else {
        KV_LOG_ERROR("ui script: unknown step %s", KV_CSTR(step));
    }
    return 0;
}
