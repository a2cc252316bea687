#pragma once

class QWidget;

// Tells the user that the account is signed in on as many devices as it may be.
class FActiveDeviceLimitHelper
{
public:
    // Modal; returns when the user has closed the message.
    static void showLimitDialog(QWidget *parent);
};
