#include "KvToolTipHelper.h"

#include <QPalette>
#include <QToolTip>

KvToolTipHelper *KvToolTipHelper::GetInstance()
{
    static KvToolTipHelper *helper = new KvToolTipHelper;
    return helper;
}

KvToolTipHelper::KvToolTipHelper()
{
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(0x2b, 0x2d, 0x33));
    palette.setColor(QPalette::ToolTipText, QColor(0xe8, 0xe8, 0xea));
    QToolTip::setPalette(palette);
}
