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
    // Asks for the address of a page; answered by sigTargetUrlFinished.
    void requestTargetUrl(int requestType, const QString &pageKey);

signals:
    void sigRefreshed();
    void sigTargetUrlFinished(int requestType, const QString &url);
};

FCBSUpdater *createCBSUpdater(QObject *parent = nullptr);
