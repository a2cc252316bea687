#include "FMainFormScriptDriver.h"

#include "IKvBaseLog.h"
#include "IKvTimeline.h"
#include "KorvaneMainForm.h"
#include "KorvaneMainFormPresenter.h"
#include "KvMediaImportMessage.h"
#include "KvActionManager.h"
#include "KvMessage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QComboBox>
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
        // A modal dialog's own buttons come first.
        QWidget *modal = QApplication::activeModalWidget();
        auto *button = modal ? modal->findChild<QAbstractButton *>(argument) : nullptr;
        if (!button)
            button = m_form->findChild<QAbstractButton *>(argument);
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
    } else if (verb == QLatin1String("action")) {
        runActionLater(argument.toInt());
    } else if (verb == QLatin1String("press")) {
        // The next step waits for a press that first activates the window.
        return pressKeys(argument.section(QLatin1Char(' '), 0, 0), argument.section(QLatin1Char(' '), 1));
    } else if (verb == QLatin1String("message")) {
        KvMessage message(argument.toInt());
        m_form->sendMessageToScene(&message);
    } else if (verb == QLatin1String("text")) {
        logText(argument);
    } else if (verb == QLatin1String("grab")) {
        if (!m_form->window()->grab().save(argument))
            KV_LOG_ERROR("ui script: cannot save the window picture to %s", KV_CSTR(argument));
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

void FMainFormScriptDriver::logText(const QString &objectName)
{
    QWidget *modal = QApplication::activeModalWidget();
    QObject *found = modal ? modal->findChild<QObject *>(objectName) : nullptr;
    if (!found)
        found = m_form->findChild<QObject *>(objectName);
    QString text;
    if (auto *menu = qobject_cast<QMenu *>(found))
        text = menu->title();
    else if (auto *button = qobject_cast<QAbstractButton *>(found))
        text = button->text();
    else if (auto *label = qobject_cast<QLabel *>(found))
        text = label->text();
    else if (auto *combo = qobject_cast<QComboBox *>(found))
        text = combo->currentText();
    else if (auto *action = qobject_cast<QAction *>(found))
        text = action->text();
    else if (auto *widget = qobject_cast<QWidget *>(found))
        text = widget->windowTitle();
    if (!found)
        KV_LOG_ERROR("ui script: no %s to read", KV_CSTR(objectName));
    else
        KV_LOG_INFO("ui script: text of %s: %s", KV_CSTR(objectName), KV_CSTR(text));
}

// What the shortcut machinery of the window system does with a key press:
// a shortcut override first, then the bound shortcut.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString &text, bool autorep, ushort count);

void FMainFormScriptDriver::runActionLater(int id)
{
    // Later: an action may open a modal dialog, and the next steps are to
    // run inside it.
    QAction *action = KvActionManager::instance()->get(id);
    if (!action) {
        KV_LOG_ERROR("ui script: no action %d", id);
        return;
    }
    QTimer::singleShot(0, action, &QAction::trigger);
}

int FMainFormScriptDriver::pressKeys(const QString &keys, const QString &objectName)
{
    const QKeySequence sequence = QKeySequence::fromString(keys, QKeySequence::PortableText);
    QWidget *target = QApplication::focusWidget();
    if (!objectName.isEmpty()) {
        QWidget *modal = QApplication::activeModalWidget();
        target = modal ? modal->findChild<QWidget *>(objectName) : nullptr;
        if (!target)
            target = m_form->findChild<QWidget *>(objectName);
        if (target)
            target->setFocus(Qt::OtherFocusReason);
    }
    if (!target)
        target = m_form;
    if (sequence.isEmpty() || !target) {
        KV_LOG_ERROR("ui script: cannot press %s on %s", KV_CSTR(keys), KV_CSTR(objectName));
        return 0;
    }
    const int key = sequence[0] & ~int(Qt::KeyboardModifierMask);
    const auto modifiers = Qt::KeyboardModifiers(sequence[0] & int(Qt::KeyboardModifierMask));
    // Keys reach the active window only, as they do from the keyboard: the
    // window is activated first and the key pressed once it is.
    if (QApplication::activeWindow() != target->window() && !m_activating) {
        m_activating = true;
        target->window()->activateWindow();
        QTimer::singleShot(kActivationMs, this, [this, keys, objectName] {
            pressKeys(keys, objectName);
            m_activating = false;
        });
        return kActivationMs * 2;
    }
    KV_LOG_INFO("ui script: pressing %s on %s", KV_CSTR(sequence.toString()), KV_CSTR(target->objectName()));
    if (qt_sendShortcutOverrideEvent(target, 0, key, modifiers, QString(), false, 1))
        return 0;
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(target, &release);
    return 0;
}
