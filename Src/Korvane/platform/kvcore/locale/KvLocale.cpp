#include "KvLocale.h"

#include "IKvBaseLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

struct LanguageRow
{
    const char *code;
    // UTF-8, the language's own name.
    const char *familyName;
};

// Indexed by KvLanguageType - 1.
const LanguageRow kLanguages[] = {
    {"en", "English"},
    {"de", "Deutsch"},
    {"ja", "日本語"},
    {"fr", "Français"},
    {"es", "Español"},
    {"it", "Italiano"},
    {"pt", "Português"},
    {"zh_CN", "简体中文"},
    {"zh_TW", "繁體中文"},
    {"ko", "한국어"},
    {"ru", "Русский"},
    {"ar", "العربية"},
    {"nl", "Nederlands"},
    {"pl", "Polski"},
    {"tr", "Türkçe"},
    {"th", "ไทย"},
    {"id", "Bahasa Indonesia"},
    {"vi", "Tiếng Việt"},
    {"ms", "Bahasa Melayu"},
    {"sv", "Svenska"},
    {"cs", "Čeština"},
    {"hi", "हिन्दी"},
    {"pt_BR", "Português (Brasil)"},
};
static_assert(sizeof(kLanguages) / sizeof(kLanguages[0]) == KvLanguageLast, "one row per language id");

const LanguageRow *rowOf(int languageType)
{
    if (languageType < KvLanguageFirst || languageType > KvLanguageLast)
        return nullptr;
    return &kLanguages[languageType - 1];
}

} // namespace

KvLocale *KvLocale::instance()
{
    return KvLazySingleton<KvLocale>::instance();
}

KvLocale::~KvLocale() = default;

bool KvLocale::isKnownLanguage(int languageType)
{
    return rowOf(languageType) != nullptr;
}

QString KvLocale::languageCode(int languageType)
{
    const LanguageRow *row = rowOf(languageType);
    return row ? QString::fromLatin1(row->code) : QString();
}

QString KvLocale::languageFamilyName(int languageType)
{
    const LanguageRow *row = rowOf(languageType);
    return row ? QString::fromUtf8(row->familyName) : QString();
}

QString KvLocale::cataloguePath(int languageType)
{
    const QString code = languageCode(languageType);
    return code.isEmpty() ? QString() : QStringLiteral(":/i18n/korvane_%1.qm").arg(code);
}

bool KvLocale::hasCatalogue(int languageType)
{
    if (languageType == KvLanguageEnglish)
        return true;
    const QString path = cataloguePath(languageType);
    return !path.isEmpty() && QFileInfo::exists(path);
}

void KvLocale::setLanguageType(int languageType)
{
    if (!isKnownLanguage(languageType)) {
        KV_LOG_ERROR("interface language %d is unknown; English is used", languageType);
        languageType = KvLanguageEnglish;
    }
    if (languageType == m_languageType)
        return;
    m_languageType = languageType;
    // Before the announcement, so that whoever re-reads texts on it finds
    // them in the new language.
    installCatalogue(languageType);
    KV_LOG_INFO("language changed to %d", languageType);
    emit sigLanguageTypeChanged(languageType);
}

void KvLocale::installCatalogue(int languageType)
{
    // Removing a catalogue also sends LanguageChange; every text falls back
    // to the English source until the new one is in.
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator.get());
        m_qtTranslator.reset();
    }
    const QString code = languageCode(languageType);
    if (languageType == KvLanguageEnglish)
        return;
    if (!hasCatalogue(languageType)) {
        KV_LOG_INFO("no catalogue for language %d (%s): texts stay in English", languageType, KV_CSTR(code));
        return;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(cataloguePath(languageType))) {
        KV_LOG_ERROR("catalogue %s cannot be read: texts stay in English", KV_CSTR(cataloguePath(languageType)));
        return;
    }
    // Qt's own texts (standard buttons, context menus of text fields), where installed.
    auto qtTranslator = std::make_unique<QTranslator>();
    if (qtTranslator->load(QStringLiteral("qtbase_") + code, QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTranslator.get());
        m_qtTranslator = std::move(qtTranslator);
    }
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
}
