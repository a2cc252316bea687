#include "FAppearance.h"

#include "FGeneralSettings.h"
#include "FSystemColorScheme.h"
#include "FTranslations.h"
#include "IKvBaseLog.h"
#include "KvAppSettings.h"
#include "KvLocale.h"
#include "KvSkin.h"

namespace {

int g_theme = ThemeDark;

void followSystemScheme()
{
    static const bool connected = [] {
        QObject::connect(FSystemColorScheme::instance(), &FSystemColorScheme::sigSchemeChanged, FSystemColorScheme::instance(),
                         [](FSystemColorScheme::Scheme scheme) {
                             if (g_theme == ThemeSystemDefault)
                                 KvSkin::instance()->setPalette(FAppearance::paletteFor(ThemeSystemDefault, scheme));
                         });
        return true;
    }();
    Q_UNUSED(connected);
    FSystemColorScheme::instance()->start();
}

} // namespace

void FAppearance::applyStored()
{
    const FGeneralSettings &general = KvAppSettings::GetInstance()->GetSettings().GetGeneralSetting();
    applyLanguage(general.GetLanguage());
    applyTheme(general.GetUITheme());
}

void FAppearance::applyLanguage(int languageId)
{
    FTranslations::init();
    KvLocale::instance()->setLanguageType(languageId);
}

KvSkinPalette FAppearance::paletteFor(int theme, int systemScheme)
{
    switch (theme) {
    case ThemeLight:
        return KvSkinPalette::light();
    case ThemeSystemDefault:
        return systemScheme == FSystemColorScheme::Light ? KvSkinPalette::light() : KvSkinPalette::dark();
    default:
        return KvSkinPalette::dark();
    }
}

void FAppearance::applyTheme(int theme)
{
    g_theme = theme;
    if (theme == ThemeSystemDefault)
        followSystemScheme();
    const KvSkinPalette palette = paletteFor(theme, FSystemColorScheme::instance()->scheme());
    KvSkin *skin = KvSkin::instance();
    if (skin->palette().name() == palette.name())
        return;
    KV_LOG_INFO("interface theme %d: %s skin", theme, KV_CSTR(palette.name()));
    skin->setPalette(palette);
}
