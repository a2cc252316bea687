#include "KvToolTipHelper.h"

#include "KvSkin.h"

#include <QPalette>
#include <QToolTip>

KvToolTipHelper::KvToolTipHelper()
{
    connect(KvSkin::instance(), &KvSkin::sigPaletteChanged, this, &KvToolTipHelper::applyPalette);
    applyPalette();
}

void KvToolTipHelper::applyPalette()
{
    const KvSkin *skin = KvSkin::instance();
    QPalette palette = QToolTip::palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::ToolTipBase, skin->color(QStringLiteral("tipBg")));
        palette.setColor(group, QPalette::ToolTipText, skin->color(QStringLiteral("textBright")));
    }
    QToolTip::setPalette(palette);
}
