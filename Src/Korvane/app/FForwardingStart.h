#pragma once

#include "FForwardCommand.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

// The whole work of a second start: hand one request to the running editor.
// A request that cannot be handed over within the budget is never dropped
// silently: the failure is logged at error level and told on standard error,
// naming what was lost, and the start ends with a non-zero status.
class FForwardingStart
{
    Q_DECLARE_TR_FUNCTIONS(FForwardingStart)

public:
    // Long enough to outlast a running editor that is still starting, busy,
    // or whose connection places are taken by idle peers until they time out.
    static constexpr int kBudgetMs = 6000;
    // After a delivered request, so that the connection closes in order.
    static constexpr int kPauseMs = 200;

    // Sends `request` to the server `serverName`; true when it was delivered.
    // On failure writes one line to `err` (may be null).
    static bool forward(const FForwardCommand &request, const QString &serverName, int budgetMs, std::FILE *err);

    // What the user would miss if `request` were lost, for the failure line:
    // the project, the template, the share, or bringing the editor forward.
    static QString subjectOf(const FForwardCommand &request);
    // Why a send failed, from its negative result.
    static QString reasonOf(int sendResult);
};
