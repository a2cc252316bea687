#pragma once

#include "KvLazySingleton.h"

#include <QObject>
#include <QString>

#include <memory>

class QTranslator;

// The interface languages, in the numbering the preferences store. The
// catalogue of a language is ":/i18n/korvane_<code>.qm" (see languageCode).
enum KvLanguageType {
    KvLanguageEnglish = 1,
    KvLanguageGerman = 2,
    KvLanguageJapanese = 3,
    KvLanguageFrench = 4,
    KvLanguageSpanish = 5,
    KvLanguageItalian = 6,
    KvLanguagePortuguese = 7,
    KvLanguageChineseSimplified = 8,
    KvLanguageChineseTraditional = 9,
    KvLanguageKorean = 10,
    KvLanguageRussian = 11,
    KvLanguageArabic = 12, // the right-to-left one
    KvLanguageDutch = 13,
    KvLanguagePolish = 14,
    KvLanguageTurkish = 15,
    KvLanguageThai = 16,
    KvLanguageIndonesian = 17,
    KvLanguageVietnamese = 18,
    KvLanguageMalay = 19,
    KvLanguageSwedish = 20,
    KvLanguageCzech = 21,
    KvLanguageHindi = 22,
    KvLanguagePortugueseBrazil = 23,
    KvLanguageFirst = KvLanguageEnglish,
    KvLanguageLast = KvLanguagePortugueseBrazil,
};

// The editor's interface language. Changing it installs that language's
// catalogue (Qt then sends every widget a LanguageChange event) and then
// announces the change, so that services can refresh language-dependent data
// (web addresses, tips) and texts kept outside widgets (the actions).
// GUI thread only.
class KvLocale : public QObject
{
    Q_OBJECT

public:
    static KvLocale *instance();
    // Read by whatever still formats text while the editor shuts down.
    static constexpr KvSingletonRelease kSingletonRelease = KvSingletonRelease::ProcessLifetime;
    ~KvLocale() override;

    int languageType() const { return m_languageType; }
    // 1 is English; the numbering is the one the preferences store. An id
    // outside KvLanguageType is logged and English is used instead.
    void setLanguageType(int languageType);
    bool isLanguageType(int languageType) const { return m_languageType == languageType; }

    // "en", "de", ..., "zh_CN": the code of the current language.
    QString languageCode() const { return languageCode(m_languageType); }
    // Empty for an id outside KvLanguageType.
    static QString languageCode(int languageType);
    // The language's name as its own speakers write it ("Deutsch"), so that
    // a user can find it in any interface language; empty when unknown.
    static QString languageFamilyName(int languageType);
    static bool isKnownLanguage(int languageType);
    // Whether the editor ships a catalogue for the language; English needs none.
    static bool hasCatalogue(int languageType);
    static QString cataloguePath(int languageType);

signals:
    void sigLanguageTypeChanged(int languageType);

private:
    KvLocale() = default;
    friend class KvLazySingleton<KvLocale>;
    void installCatalogue(int languageType);

    int m_languageType = KvLanguageEnglish;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
};
