#include "KvCommunicatorMsg.h"

#include "IKvBaseLog.h"
#include "KvCommunicatorProtocol.h"
#include "KvFrameDecoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString kKeyCommand = QStringLiteral("cmd");
const QString kKeyContents = QStringLiteral("contents");
}

KvCommunicatorMsg::KvCommunicatorMsg(const QString &command, const QStringList &contents)
    : m_command(command)
    , m_contents(contents)
{
}

QString KvCommunicatorMsg::firstContent() const
{
    return m_contents.isEmpty() ? QString() : m_contents.first();
}

bool KvCommunicatorMsg::contains(const QString &name) const
{
    return m_command == name;
}

bool KvCommunicatorMsg::operator==(const KvCommunicatorMsg &other) const
{
    return m_command == other.m_command && m_contents == other.m_contents;
}

bool KvCommunicatorMsg::parse(const QString &text, QList<KvCommunicatorMsg> *messages, QString *error)
{
    messages->clear();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("not JSON (%1 at offset %2)").arg(parseError.errorString()).arg(parseError.offset);
        return false;
    }
    if (!document.isArray()) {
        *error = QStringLiteral("not an array of messages");
        return false;
    }
    const QJsonArray array = document.array();
    QList<KvCommunicatorMsg> result;
    result.reserve(array.size());
    for (int i = 0; i < array.size(); ++i) {
        const QJsonValue value = array.at(i);
        if (!value.isObject()) {
            *error = QStringLiteral("message %1 is not an object").arg(i);
            return false;
        }
        const QJsonObject object = value.toObject();
        const QJsonValue command = object.value(kKeyCommand);
        if (!command.isString() || command.toString().isEmpty()) {
            *error = QStringLiteral("message %1 has no command name").arg(i);
            return false;
        }
        QStringList contents;
        const QJsonValue contentsValue = object.value(kKeyContents);
        if (!contentsValue.isUndefined()) {
            if (!contentsValue.isArray()) {
                *error = QStringLiteral("contents of message %1 are not a list").arg(i);
                return false;
            }
            const QJsonArray contentArray = contentsValue.toArray();
            contents.reserve(contentArray.size());
            for (const QJsonValue &content : contentArray) {
                if (!content.isString()) {
                    *error = QStringLiteral("a content of message %1 is not a string").arg(i);
                    return false;
                }
                contents << content.toString();
            }
        }
        result << KvCommunicatorMsg(command.toString(), contents);
    }
    *messages = result;
    return true;
}

QList<KvCommunicatorMsg> KvCommunicatorMsg::buildListFromString(const QString &text)
{
    QList<KvCommunicatorMsg> messages;
    QString error;
    if (!parse(text, &messages, &error))
        KV_LOG_ERROR("malformed communicator text (%d chars): %s", int(text.size()), KV_CSTR(error));
    return messages;
}

QString KvCommunicatorMsg::toText(const QList<KvCommunicatorMsg> &messages)
{
    QJsonArray array;
    for (const KvCommunicatorMsg &message : messages) {
        QJsonObject object;
        object.insert(kKeyCommand, message.m_command);
        object.insert(kKeyContents, QJsonArray::fromStringList(message.m_contents));
        array.append(object);
    }
    QByteArray json = QJsonDocument(array).toJson(QJsonDocument::Compact);
    // Qt's parser drops a raw U+FEFF even inside a string; escaped, it stays.
    // Those bytes can only stand for that character in UTF-8.
    json.replace("\xEF\xBB\xBF", "\\ufeff");
    return QString::fromUtf8(json);
}

QString KvCommunicatorMsg::toText() const
{
    return toText({*this});
}

int KvCommunicatorMsg::frameFor(const QString &command, const QStringList &contents, QByteArray *frame)
{
    if (command.isEmpty()) {
        KV_LOG_ERROR("message without a command not sent");
        return KvCommunicator::SendInvalid;
    }
    *frame = KvFrameDecoder::encode(KvCommunicatorMsg(command, contents).toText());
    if (frame->isEmpty()) {
        KV_LOG_ERROR("%s not sent: over the size limit of a message", KV_CSTR(command));
        return KvCommunicator::SendInvalid;
    }
    return KvCommunicator::SendOk;
}
