#pragma once

#include <QObject>

// Keeps the web addresses of the maker's pages current. Addresses come from
// the configured list of page keys (KvConfig::GetCBSUrl); a refresh re-reads
// it and announces each address asked for.
class FCBSUpdater : public QObject
{
    Q_OBJECT

public:
    explicit FCBSUpdater(QObject *parent = nullptr);

    void refresh();
    // Asks for the address of a page; answered by sigTargetUrlFinished,
    // which fails (bSucceed false, empty address) when the page key has no
    // address configured.
    void requestTargetUrl(int requestType, const QString &pageKey);

signals:
    void sigRefreshed();
    void sigTargetUrlFinished(int etype, bool bSucceed, const QString &targetUrl);
};

FCBSUpdater *createCBSUpdater(QObject *parent = nullptr);
