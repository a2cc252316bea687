#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One communicator message: a command name and its string contents.
//
// Text form (one text may carry several messages, in order): a compact JSON
// array of objects,
//
//     [{"cmd":"CMD_OPEN_PROJECT","contents":["/home/u/a.kvproj"]},{"cmd":"CMD_REOPEN_APP","contents":[" "]}]
//
// Command names are plain upper-case ASCII, so a name appears verbatim in the
// text and a receiver may test for it with a substring search before it
// splits the text. A missing "contents" means no contents; other keys are
// ignored so that a newer peer can add some.
class KvCommunicatorMsg
{
public:
    KvCommunicatorMsg() = default;
    KvCommunicatorMsg(const QString &command, const QStringList &contents);

    QString command() const { return m_command; }
    QStringList contents() const { return m_contents; }
    // Empty when the message has no contents.
    QString firstContent() const;
    // Whether this message is the command `name` (exact, case-sensitive).
    bool contains(const QString &name) const;

    bool operator==(const KvCommunicatorMsg &other) const;
    bool operator!=(const KvCommunicatorMsg &other) const { return !(*this == other); }

    // Splits a received text into its messages. A text that is not of the
    // form above gives an empty list and an error line in the log.
    static QList<KvCommunicatorMsg> buildListFromString(const QString &text);
    // The same without logging: false and a reason when the text is malformed.
    static bool parse(const QString &text, QList<KvCommunicatorMsg> *messages, QString *error);

    static QString toText(const QList<KvCommunicatorMsg> &messages);
    // One message as a frame ready to write. Returns KvCommunicator::SendOk,
    // or SendInvalid (logged) for an empty command or a message over the
    // size limit.
    static int frameFor(const QString &command, const QStringList &contents, QByteArray *frame);
    QString toText() const;

private:
    QString m_command;
    QStringList m_contents;
};
