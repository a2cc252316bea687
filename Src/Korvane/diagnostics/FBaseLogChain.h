#pragma once

#include "FLogRetrievalContext.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class FLogRetrieval;
class QNetworkRequest;

// A step of the log retrieval chain. A step that succeeds hands the shared
// context to the next one and starts it; one that fails logs why and the
// chain ends there. Everything runs on the retrieval task's thread.
class FBaseLogChain : public QObject
{
    Q_OBJECT

public:
    FBaseLogChain(FLogRetrieval *owner, const QString &name);
    ~FBaseLogChain() override;

    // Runs this step; the base does nothing.
    virtual void ChianRequest();
    // The check every answer of the web service goes through: JSON holding
    // an integer "code" of 0. The parsed object is kept (result()).
    virtual bool requestResultParse(QString result);

    void setNext(FBaseLogChain *next) { m_next = next; }
    FBaseLogChain *next() const { return m_next; }
    void setContext(std::shared_ptr<FLogRetrievalContext> context) { m_context = std::move(context); }
    const std::shared_ptr<FLogRetrievalContext> &context() const { return m_context; }
    const QString &name() const { return m_name; }

protected:
    // Hands the context on and runs the next step, unless the run has been
    // stopped meanwhile.
    void moveOn();
    // False, with a log line, when the run was stopped (time limit, task
    // ending): the step must not go on.
    bool mayContinue() const;
    // A request to `url` with the bearer token and, when `json`, the JSON
    // content type.
    QNetworkRequest serviceRequest(const QString &url, bool json) const;
    const QJsonObject &result() const { return m_result; }
    // A request that failed: an error line, or an ordinary one when the run
    // was being stopped (the editor closing is no failure).
    void logRequestFailure(const char *what, const QString &error) const;
    // An identity value of the application information service, as text.
    static QString identity(int id);
    // The configured address, or empty with a log line when there is none.
    static QString address(const QString &url, const char *key);

    FLogRetrieval *m_owner;
    std::shared_ptr<FLogRetrievalContext> m_context;

private:
    QPointer<FBaseLogChain> m_next;
    QString m_name;
    QJsonObject m_result;
};
