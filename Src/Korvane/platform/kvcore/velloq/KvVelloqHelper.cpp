#include "KvVelloqHelper.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "IKvBaseLog.h"

#include <QHash>
#include <QTextCodec>
#include <QUrl>

const QString KvVelloqHelper::ParamPrefix = QStringLiteral("-velloqparam:");

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Strict, unlike QByteArray::fromPercentEncoding, which passes a stray '%'
// through and would hide a truncated argument.
bool percentDecode(const QByteArray &encoded, QString *decoded, QString *error)
{
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (int i = 0; i < encoded.size(); ++i) {
        const char c = encoded.at(i);
        if (c != '%') {
            bytes.append(c);
            continue;
        }
        const int high = i + 1 < encoded.size() ? hexDigit(encoded.at(i + 1)) : -1;
        const int low = i + 2 < encoded.size() ? hexDigit(encoded.at(i + 2)) : -1;
        if (high < 0 || low < 0) {
            *error = QStringLiteral("bad percent escape at offset %1").arg(i);
            return false;
        }
        bytes.append(char(high * 16 + low));
        i += 2;
    }
    QTextCodec::ConverterState state;
    *decoded = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        *error = QStringLiteral("decoded text is not UTF-8");
        return false;
    }
    return true;
}

bool parseQuery(const QString &query, QHash<QString, QString> *items, QString *error)
{
    const QByteArray utf8 = query.toUtf8();
    for (const QByteArray &item : utf8.split('&')) {
        if (item.isEmpty())
            continue;
        const int equals = item.indexOf('=');
        if (equals <= 0) {
            *error = equals < 0 ? QStringLiteral("an item has no '='") : QStringLiteral("an item has an empty key");
            return false;
        }
        QString key;
        QString value;
        if (!percentDecode(item.left(equals), &key, error) || !percentDecode(item.mid(equals + 1), &value, error))
            return false;
        if (items->contains(key)) {
            *error = QStringLiteral("key \"%1\" appears twice").arg(key);
            return false;
        }
        items->insert(key, value);
    }
    return true;
}

} // namespace

void KvVelloqHelper::parseStartParams(const QString &argument)
{
    m_startedByVelloq = false;
    m_templateMap.clear();
    m_userPwd = {};

    if (argument.trimmed().isEmpty())
        return;
    const int prefixAt = argument.indexOf(ParamPrefix);
    if (prefixAt < 0) {
        KV_LOG_ERROR("launcher parameter without \"%s\" ignored", KV_CSTR(ParamPrefix));
        return;
    }
    QString query = argument.mid(prefixAt + ParamPrefix.size()).trimmed();
    // A shell may hand the quotes through.
    if (query.size() >= 2 && query.startsWith(QLatin1Char('"')) && query.endsWith(QLatin1Char('"')))
        query = query.mid(1, query.size() - 2);

    QHash<QString, QString> items;
    QString error;
    if (!parseQuery(query, &items, &error)) {
        KV_LOG_ERROR("malformed launcher parameter ignored: %s", KV_CSTR(error));
        return;
    }
    m_startedByVelloq = true;

    const QString user = items.value(QStringLiteral("user"));
    const QString password = items.value(QStringLiteral("pwd"));
    if (!user.isEmpty() && !password.isEmpty())
        m_userPwd = qMakePair(user, password);

    const QString url = items.value(QStringLiteral("tplurl"));
    const QString name = items.value(QStringLiteral("tplname"));
    if (url.isEmpty() && name.isEmpty())
        return;
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    if (name.isEmpty() || !parsed.isValid() || parsed.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        KV_LOG_ERROR("launcher template ignored: needs an http(s) address and a name (url \"%s\", name \"%s\")",
                     KV_CSTR(url), KV_CSTR(name));
        return;
    }
    m_templateMap.insert(QStringLiteral("url"), url);
    m_templateMap.insert(QStringLiteral("name"), name);
}

QString KvVelloqHelper::velloqPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Velloq.exe");
}

bool KvVelloqHelper::isVelloqInstalled()
{
    return QFileInfo(velloqPath()).isExecutable();
}

bool KvVelloqHelper::startVelloq()
{
    if (!QProcess::startDetached(velloqPath(), {})) {
        KV_LOG_ERROR("cannot start %s", KV_CSTR(velloqPath()));
        return false;
    }
    KV_LOG_INFO("companion launcher started");
    return true;
}
