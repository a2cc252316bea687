#pragma once

#include <QPair>
#include <QString>
#include <QVariantMap>

// Reads the start parameters that the companion launcher (Velloq) passes on
// the command line, as one argument:
//
//   -velloqparam:user=<u>&pwd=<p>&tplurl=<url>&tplname=<name>
//
// The text after the prefix is a query string of key=value items joined by
// '&'. Keys and values are percent-encoded UTF-8 ("%26" for '&', "%3D" for
// '=', "%25" for '%'); '+' is a plus sign, not a blank. Every key is
// optional and unknown keys are ignored, so that older editors accept newer
// launchers. The argument is malformed, and nothing of it is used, when an
// item has no '=' or an empty key, a key appears twice, a '%' is not followed
// by two hex digits, or a decoded text is not UTF-8.
//
//   user, pwd        the account to log in with; used only as a pair
//   tplurl, tplname  a project template to download: an http(s) address and
//                    the name to show; used only as a pair
class KvVelloqHelper
{
public:
    static const QString ParamPrefix; // "-velloqparam:"

    // Replaces what an earlier call parsed. `argument` is the whole argument
    // (the prefix may be preceded by other text); empty clears everything.
    void parseStartParams(const QString &argument);

    // The companion launcher: "Velloq.exe" beside the editor.
    static QString velloqPath();
    static bool isVelloqInstalled();
    // Starts it detached; false (logged) when it cannot be started.
    static bool startVelloq();

    // True after a well-formed parameter argument.
    bool isAppStartByVelloq() const { return m_startedByVelloq; }
    // {"url", "name"}, or empty unless both were given and the url is http(s).
    QVariantMap getPrjTemplateMap() const { return m_templateMap; }
    // (user, password), or two empty texts unless both were given.
    QPair<QString, QString> getUserPwdPair() const { return m_userPwd; }

private:
    bool m_startedByVelloq = false;
    QVariantMap m_templateMap;
    QPair<QString, QString> m_userPwd;
};
