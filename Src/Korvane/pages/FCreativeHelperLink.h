#pragma once

#include <QString>

class QWidget;

// Opens the creative-content helper ("Orvala.exe" in the application
// directory) on a link: starts it, or hands the link to the running one, and
// records that the user has met the helper.
class FCreativeHelperLink
{
public:
    // A web link gains the device and product parameters unless it already
    // carries them ("did"); other links are returned as they are.
    static QString decorate(const QString &link, const QString &deviceId, const QString &productId,
                            const QString &productVersion);
    // False when the network check failed (the user was told).
    static bool open(const QString &linkUrl, QWidget *parent);
    // The same with the helper at `helperPath` ("Orvala.exe" of the
    // application directory above).
    static bool open(const QString &linkUrl, QWidget *parent, const QString &helperPath);
    static QString helperPath();
};
