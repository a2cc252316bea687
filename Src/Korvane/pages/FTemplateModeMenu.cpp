#include "FTemplateModeMenu.h"

#include <QFile>

namespace {

const char *const kIdProperty = "templateModeActionId";

QIcon iconFor(const QString &path)
{
    // An icon missing from the resources leaves the entry without one.
    return path.isEmpty() || !QFile::exists(path) ? QIcon() : QIcon(path);
}

} // namespace

static void initTemplateModeResources()
{
    Q_INIT_RESOURCE(templatemode);
}

FTemplateModeMenu::FTemplateModeMenu(bool loggedIn, QWidget *parent)
    : QMenu(parent)
{
    initTemplateModeResources();
    setObjectName(QStringLiteral("FTemplateModeMenu"));
    addEntry(this, SupportCenter, tr("Support center"),
             QStringLiteral(":/Resource/TemplateMode/icon16_support-normal.png"));

    QMenu *help = addMenu(iconFor(QStringLiteral(":/Resource/TemplateMode/icon16_help-normal.png")), tr("Help"));
    help->setObjectName(QStringLiteral("FTemplateModeMenu_Help"));
    addEntry(help, Feedback, tr("Feedback"));
    addEntry(help, CheckForUpdate, tr("Check for Update"));
    addEntry(help, About, tr("About..."));
    // The survey stands beside Help, not in it.
    addEntry(this, Survey, tr("Take the Survey"));

    const QString accountIcon = QStringLiteral(":/Resource/TemplateMode/icon16_account-normal.png");
    if (loggedIn)
        addEntry(this, AccountInformation, tr("Account Information"), accountIcon);
    else
        addEntry(this, Login, tr("Login"), accountIcon);
    addEntry(this, ReturnToStartup, tr("Return to Startup window"),
             QStringLiteral(":/Resource/TemplateMode/icon16_home-normal.png"));
    addEntry(this, Exit, tr("Exit"), QStringLiteral(":/Resource/TemplateMode/icon16_exit-normal.png"));
}

QAction *FTemplateModeMenu::action(int id) const
{
    const QList<QAction *> actions = findChildren<QAction *>();
    for (QAction *candidate : actions) {
        if (idOf(candidate) == id)
            return candidate;
    }
    return nullptr;
}

int FTemplateModeMenu::idOf(const QAction *action)
{
    if (!action)
        return -1;
    const QVariant id = action->property(kIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

QAction *FTemplateModeMenu::addEntry(QMenu *menu, int id, const QString &text, const QString &icon)
{
    QAction *entry = menu->addAction(iconFor(icon), text);
    entry->setProperty(kIdProperty, id);
    return entry;
}
