#pragma once

#include "FStartTip.h"

#include <QList>
#include <QString>

class QLocale;

// Reads the start tips, off the user-interface thread: first unpacks the tip
// package that an earlier run downloaded, then reads the tips of one language
// from the tip file. Every failure is logged and gives no tips.
class FStartTipLoader
{
public:
    // Interface language types of the locale service that the tips depend on.
    enum LanguageType {
        LanguageOther = 0,
        LanguageChineseSimplified = 8,
        LanguageChineseTraditional = 9,
        LanguageArabic = 12, // the right-to-left one
        LanguagePortugueseBrazil = 23,
    };

    static int languageType(const QLocale &locale);
    // The language code, with "_" and the country code for the types whose
    // tips are kept per country; lower case.
    static QString languageKey(const QLocale &locale);

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
