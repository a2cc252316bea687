#include "FStartTipLoader.h"

#include "FSafeZipExtractor.h"
#include "IKvBaseLog.h"
#include "KvDir.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <iterator>

namespace {

const QString kTipName = QStringLiteral("StartTips");
// A tip file is a few kilobytes; anything near this is not one.
constexpr qint64 kMaxTipFileSize = 1024 * 1024;

// QDomDocument expands internal entities without bound, so a tip file may
// not declare any: a document type declaration is refused before parsing.
// The scan's reader is stricter than QDomDocument's (XML 1.1, an unknown
// encoding): a prolog it cannot read is refused as well, or a declaration
// behind it would reach QDomDocument unseen.
enum class Prolog { Plain, DocumentType, Unreadable };

Prolog scanProlog(const QByteArray &xml, QString *error)
{
    QXmlStreamReader scan(xml);
    while (!scan.atEnd()) {
        switch (scan.readNext()) {
        case QXmlStreamReader::DTD:
            return Prolog::DocumentType;
        case QXmlStreamReader::StartElement:
            return Prolog::Plain;
        case QXmlStreamReader::Invalid:
            *error = scan.errorString();
            return Prolog::Unreadable;
        default:
            break;
        }
    }
    return Prolog::Plain;
}

} // namespace

QString FStartTipLoader::languageKey(int languageType)
{
    // The interface languages and the locale each stands for.
    struct Language
    {
        int type;
        const char *code;
        const char *country;
    };
    static const Language kLanguages[] = {
        {LanguageEnglish, "en", "US"},
        {2, "de", "DE"},
        {3, "ja", "JP"},
        {4, "fr", "FR"},
        {5, "es", "ES"},
        {6, "it", "IT"},
        {7, "pt", "PT"},
        {LanguageChineseSimplified, "zh", "CN"},
        {LanguageChineseTraditional, "zh", "TW"},
        {10, "ko", "KR"},
        {11, "ru", "RU"},
        {LanguageArabic, "ar", "SA"},
        {13, "nl", "NL"},
        {14, "pl", "PL"},
        {15, "tr", "TR"},
        {16, "th", "TH"},
        {17, "id", "ID"},
        {18, "vi", "VN"},
        {19, "ms", "MY"},
        {20, "sv", "SE"},
        {21, "cs", "CZ"},
        {22, "hi", "IN"},
        {LanguagePortugueseBrazil, "pt", "BR"},
    };
    const auto found = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                    [languageType](const Language &language) { return language.type == languageType; });
    if (found == std::end(kLanguages)) {
        KV_LOG_INFO("interface language type %d unknown to the start tips; English tips are used", languageType);
        return QStringLiteral("en");
    }
    QString key = QString::fromLatin1(found->code);
    switch (languageType) {
    case LanguageChineseSimplified:
    case LanguageChineseTraditional:
    case LanguagePortugueseBrazil:
        key += QLatin1Char('_') + QString::fromLatin1(found->country);
        break;
    default:
        break;
    }
    return key.toLower();
}

bool FStartTipLoader::isRightToLeft(int languageType)
{
    return languageType == LanguageArabic;
}

QString FStartTipLoader::packageFile(const QString &dataDir)
{
    return QDir::toNativeSeparators(dataDir + QLatin1Char('/') + kTipName + QStringLiteral(".zip"));
}

QString FStartTipLoader::tipDir(const QString &dataDir)
{
    return dataDir + QLatin1Char('/') + kTipName;
}

QString FStartTipLoader::tipFile(const QString &dataDir)
{
    return tipDir(dataDir) + QStringLiteral("/startTips.xml");
}

QList<FStartTip> FStartTipLoader::load(const QString &dataDir, const QString &languageKey)
{
    unpackPackage(dataDir);
    const QString file = tipFile(dataDir);
    if (!QFileInfo::exists(file)) {
        KV_LOG_TRACE("no start tips: %s does not exist", KV_CSTR(file));
        return {};
    }
    return readTips(file, languageKey);
}

void FStartTipLoader::unpackPackage(const QString &dataDir)
{
    const QString package = packageFile(dataDir);
    if (!QFileInfo::exists(package))
        return;
    // Taken under another name first, so that a download finishing meanwhile
    // puts the next package in place instead of having it removed below.
    const QString claimed = package + QStringLiteral(".unpacking");
    QFile::remove(claimed);
    if (!QFile::rename(package, claimed)) {
        KV_LOG_ERROR("cannot take the start tip package %s", KV_CSTR(package));
        QFile::remove(package);
        return;
    }
    const FSafeZipExtractor::Result result = FSafeZipExtractor::extract(claimed, dataDir, kTipName);
    QFile::remove(claimed);
    if (result != FSafeZipExtractor::Result::Ok) {
        KV_LOG_ERROR("start tip package %s not used: %s; no start tips", KV_CSTR(package),
                     FSafeZipExtractor::resultName(result));
        KvDir::removeTree(tipDir(dataDir));
    }
}

QList<FStartTip> FStartTipLoader::readTips(const QString &tipFile, const QString &languageKey)
{
    QFile file(tipFile);
    if (!file.open(QIODevice::ReadOnly)) {
        KV_LOG_ERROR("cannot read %s: %s", KV_CSTR(tipFile), KV_CSTR(file.errorString()));
        return {};
    }
    const QByteArray xml = file.read(kMaxTipFileSize + 1);
    if (xml.size() > kMaxTipFileSize) {
        KV_LOG_ERROR("%s refused: larger than %lld bytes", KV_CSTR(tipFile), kMaxTipFileSize);
        return {};
    }
    QString prologError;
    switch (scanProlog(xml, &prologError)) {
    case Prolog::Plain:
        break;
    case Prolog::DocumentType:
        KV_LOG_ERROR("%s refused: it declares a document type (entities are not accepted)", KV_CSTR(tipFile));
        return {};
    case Prolog::Unreadable:
        KV_LOG_ERROR("%s refused: its prolog cannot be checked for a document type (%s)", KV_CSTR(tipFile),
                     KV_CSTR(prologError));
        return {};
    }
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(xml, &message, &line, &column)) {
        KV_LOG_ERROR("%s is not XML: %s at line %d, column %d", KV_CSTR(tipFile), KV_CSTR(message), line, column);
        return {};
    }
    const QDomElement root = document.documentElement();
    if (root.isNull() || root.tagName() != QLatin1String("startTips")) {
        KV_LOG_ERROR("startTips xml file is invalia");
        return {};
    }

    QList<FStartTip> tips;
    const QString key = languageKey.toLower();
    for (QDomElement language = root.firstChildElement(); !language.isNull();
         language = language.nextSiblingElement()) {
        if (language.attribute(QStringLiteral("lan")).toLower() != key)
            continue;
        for (QDomElement tip = language.firstChildElement(QStringLiteral("Tips")); !tip.isNull();
             tip = tip.nextSiblingElement(QStringLiteral("Tips"))) {
            tips.append({tip.attribute(QStringLiteral("value")), tip.attribute(QStringLiteral("preicon")),
                         tip.attribute(QStringLiteral("lasticon"))});
        }
        // Only the first element of the language counts.
        break;
    }
    KV_LOG_INFO("%d start tips for \"%s\"", tips.size(), KV_CSTR(key));
    return tips;
}
