#pragma once

#include "FLogRetrievalContext.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// Reading the answers of the maker's web service during a log retrieval.
// Every answer is a JSON object whose integer "code" is 0 on success; the
// payload is under "data". Kept apart from the steps, which also talk to
// the network, so that the reading can be checked on any bytes.
namespace FLogServiceAnswer {

enum class Result {
    Ok,
    NotAnObject, // not JSON, or JSON but not an object
    BadCode,     // "code" missing, not a number, or not 0
};

// `answer` is set on Ok and cleared otherwise; `why` names the JSON error
// (or "not a JSON object") for NotAnObject.
Result parse(const QByteArray &response, QJsonObject *answer, QString *why);

// "data"."access_token" of a token answer; empty when missing or not a text.
QString accessToken(const QJsonObject &answer);

// The storage credentials of a credential answer: "data"."path" and the
// texts under "data"."params". Missing values are empty.
FOssCredential credential(const QJsonObject &answer);

} // namespace FLogServiceAnswer
