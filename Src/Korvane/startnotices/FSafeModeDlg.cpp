#include "FSafeModeDlg.h"

#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDesktopService.h"
#include "KvSkin.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kUpdateDriverPage[] = "UpdateDriver";

const char kStyleSheet[] = R"(
#FSafeModeDlg_Message { color: @textBright; font-size: 13px; }
QPushButton { min-width: 96px; }
)";

} // namespace

FSafeModeDlg::FSafeModeDlg(QWidget *parent)
    : FSafeModeDlg(KvConfig::Instance()->GetCBSUrl(QLatin1String(kUpdateDriverPage)), parent)
{
}

FSafeModeDlg::FSafeModeDlg(const QString &driverPageUrl, QWidget *parent)
    : KvFramelessDialog(parent, WideWidth)
    , m_message(new QLabel(contentWidget()))
{
    setObjectName(QStringLiteral("FSafeModeDlg"));
    setTitle(KvCustomProductInfo::FGetProductName());
    setStyleSheet(KvSkin::instance()->resolve(QString::fromUtf8(kStyleSheet)));

    m_message->setObjectName(QStringLiteral("FSafeModeDlg_Message"));
    m_message->setTextFormat(Qt::RichText);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextBrowserInteraction);
    // The desktop service opens it, so that every opened page goes one way.
    m_message->setOpenExternalLinks(false);
    m_message->setText(message(driverPageUrl));
    m_message->setAccessibleName(tr("Please quit application and update your graphic driver to the latest."));
    connect(m_message, &QLabel::linkActivated, this,
            [](const QString &link) { KvDesktopService::openURL(QUrl(link)); });

    auto *layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(24, 16, 24, 8);
    layout->addWidget(m_message, 1, Qt::AlignVCenter);

    addButton(tr("Exit"), Exit);
    addButton(tr("Continue"), Continue, true);
    setFixedSize(kWidth, kHeight);
}

FSafeModeDlg::~FSafeModeDlg() = default;

QString FSafeModeDlg::message(const QString &driverPageUrl)
{
    const QString warning = KvSkin::instance()->color(QStringLiteral("warning")).name();
    const QString link = KvSkin::instance()->color(QStringLiteral("accent")).name();
    return QStringLiteral("<span style=\"color:%1;\">%2</span><a style=\"color:%3;\" href=\"%4\">%5</a><br>%6")
        .arg(warning, tr(" Please quit application and update your graphic driver to the latest.  ").toHtmlEscaped(),
             link, driverPageUrl.toHtmlEscaped(), tr("Update your driver").toHtmlEscaped(),
             tr("Or, if you choose continue, you might experiece poor performance or instability.").toHtmlEscaped());
}
