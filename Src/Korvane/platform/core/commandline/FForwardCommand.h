#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class KvVelloqHelper;

// The one request that a second start of the editor sends to the running
// one over the communicator.
struct FForwardCommand
{
    // The channel the running editor listens on.
    static const QString ServerName;

    QString command;
    QStringList contents;

    // For a command-line map (FCommandLineMap::build) and the launcher
    // parameters read from its "-velloqparam:" entry, the first that
    // applies: open the project, download the launcher's template, show the
    // share, else just come to the front.
    static FForwardCommand forStartArguments(const QMap<QString, QString> &map, const KvVelloqHelper &velloq);
};
