#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The editor's command line as a map from its four keys to whole arguments.
// A forwarding second instance and the running instance build it the same
// way, so both read a launch identically.
//
// Every argument after the program name is trimmed; each key it contains
// (case-sensitive) maps to the whole trimmed argument, key included, so one
// argument can fill several keys and a later argument replaces an earlier
// one. A non-empty argument with no key is an open request: a file manager
// passes a bare path.
namespace FCommandLineMap {

inline const QString kVelloqParamKey = QStringLiteral("-velloqparam:");
inline const QString kLaunchUrlKey = QStringLiteral("kvapplaunch://");
inline const QString kOpenKey = QStringLiteral("-open:");
inline const QString kShareKey = QStringLiteral("-share:");

QMap<QString, QString> build(const QStringList &arguments);

} // namespace FCommandLineMap
