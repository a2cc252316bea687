#pragma once

#include <QObject>
#include <QStringList>

// The editor's end of the effect store link. The store helper and its packs
// come with the effect store work; until then the link knows where installed
// packs live and reports that there is nothing to install or remove.
class FEffectInstallerCommunicatorHelper : public QObject
{
    Q_OBJECT

public:
    static FEffectInstallerCommunicatorHelper *instance();
    static void Release();

    // Drops the packs marked for removal; returns how many were removed.
    int removeMarkedPackages();
    void start();
    // Loads the installed packs into the effect library; returns their folders.
    QStringList loadInstalledEffectPack();

signals:
    void sigCloseOtherUserAccountPages();

private:
    FEffectInstallerCommunicatorHelper() = default;
};
