#pragma once

#include <QString>
#include <QStringList>

// The editor's directory layout as published in the application information
// service, and the names of its per-user registry values.
namespace KorvaneDirectories {

// The registry path every registry value lives under.
QString registryPath();

// Publishes every directory value; creates those marked "created".
void publish(const QString &installDir, const QString &programDataDir, const QString &documentsDir);

// Gives the registry service its root and the name of every value.
void registerValueNames();

// The fifteen values handed to the environment manager, in its order.
QStringList environmentValues(const QString &programDataDir);

QString animationThumbnailDir(const QString &programDataDir);

enum class ConfigCopy { AlreadyPresent, Copied, Failed };
// Fills a missing configuration folder from the installation's "configs";
// an existing one is never refreshed.
ConfigCopy ensureConfigDir(const QString &shippedRoot, const QString &configDir);

} // namespace KorvaneDirectories
