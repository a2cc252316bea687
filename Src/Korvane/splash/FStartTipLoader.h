#pragma once

#include "FStartTip.h"

#include <QList>
#include <QString>

// Reads the start tips, off the user-interface thread: first unpacks the tip
// package that an earlier run downloaded, then reads the tips of one language
// from the tip file. Every failure is logged and gives no tips.
class FStartTipLoader
{
public:
    // Interface language types (`KvLocale::languageType()`) the tips treat
    // apart.
    enum LanguageType {
        LanguageEnglish = 1,
        LanguageChineseSimplified = 8,
        LanguageChineseTraditional = 9,
        LanguageArabic = 12, // the right-to-left one
        LanguagePortugueseBrazil = 23,
    };

    // The tip file's key of an interface language type: its language code,
    // with "_" and the country code for the types whose tips are kept per
    // country; lower case. An unknown type reads the English tips.
    static QString languageKey(int languageType);
    static bool isRightToLeft(int languageType);

    // "<dataDir>/StartTips.zip", "<dataDir>/StartTips" and its "startTips.xml".
    static QString packageFile(const QString &dataDir);
    static QString tipDir(const QString &dataDir);
    static QString tipFile(const QString &dataDir);

    // Unpacks and consumes a waiting package, then reads the tip file.
    static QList<FStartTip> load(const QString &dataDir, const QString &languageKey);
    // The package is removed in every case; a package that cannot be
    // unpacked whole also removes the tips of the previous one.
    static void unpackPackage(const QString &dataDir);
    // The tips of the first element whose "lan" is `languageKey`.
    static QList<FStartTip> readTips(const QString &tipFile, const QString &languageKey);
};
