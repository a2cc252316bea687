#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The small modal notices the page manager and its helpers show over the
// current page, and how a page window is brought to the user.
class FPageNotices
{
    Q_DECLARE_TR_FUNCTIONS(FPageNotices)

public:
    static void showInformation(QWidget *parent, const QString &text);

    // The check made before account and web operations: true when a network
    // device is usable; otherwise the user is told so and false is returned.
    static bool ensureOnline(QWidget *parent);

    // Restores a minimised window and brings it to the front.
    static void bringForward(QWidget *window);
};
