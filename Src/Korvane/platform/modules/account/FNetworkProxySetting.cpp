#include "FNetworkProxySetting.h"

#include "IKvBaseLog.h"
#include "KvConfig.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kGroup = QStringLiteral("NetworkProxy");
const QString kTypeKey = QStringLiteral("Type");
const QString kHostKey = QStringLiteral("Host");
const QString kPortKey = QStringLiteral("Port");

// Stored by name so that the file does not depend on Qt's enum numbers.
QString typeName(QNetworkProxy::ProxyType type)
{
    switch (type) {
    case QNetworkProxy::HttpProxy:
        return QStringLiteral("http");
    case QNetworkProxy::Socks5Proxy:
        return QStringLiteral("socks5");
    default:
        return QStringLiteral("none");
    }
}

QNetworkProxy::ProxyType typeFromName(const QString &name)
{
    if (name == QLatin1String("http"))
        return QNetworkProxy::HttpProxy;
    if (name == QLatin1String("socks5"))
        return QNetworkProxy::Socks5Proxy;
    return QNetworkProxy::NoProxy;
}

} // namespace

FNetworkProxySetting::FNetworkProxySetting(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FNetworkProxySetting"));
    setWindowTitle(tr("Network Proxy"));

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("FNetworkProxySetting_Type"));
    m_type->addItem(tr("No Proxy"), int(QNetworkProxy::NoProxy));
    m_type->addItem(tr("HTTP"), int(QNetworkProxy::HttpProxy));
    m_type->addItem(tr("SOCKS5"), int(QNetworkProxy::Socks5Proxy));
    m_host = new QLineEdit(this);
    m_host->setObjectName(QStringLiteral("FNetworkProxySetting_Host"));
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("FNetworkProxySetting_Port"));
    m_port->setRange(1, 65535);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("FNetworkProxySetting_Message"));
    m_message->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("FNetworkProxySetting_Buttons"));
    auto *form = new QFormLayout;
    form->addRow(tr("Type:"), m_type);
    form->addRow(tr("Host:"), m_host);
    form->addRow(tr("Port:"), m_port);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_message);
    layout->addWidget(buttons);

    const QNetworkProxy current = QNetworkProxy::applicationProxy();
    {
        const QSignalBlocker typeBlocker(m_type);
        const int index = m_type->findData(int(current.type()));
        m_type->setCurrentIndex(index < 0 ? 0 : index);
        m_host->setText(current.hostName());
        m_port->setValue(current.port() > 0 ? current.port() : 8080);
    }
    updateEnabled();

    connect(m_type, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &FNetworkProxySetting::updateEnabled);
    connect(buttons, &QDialogButtonBox::accepted, this, &FNetworkProxySetting::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FNetworkProxySetting::reject);
}

void FNetworkProxySetting::updateEnabled()
{
    const bool used = m_type->currentData().toInt() != QNetworkProxy::NoProxy;
    m_host->setEnabled(used);
    m_port->setEnabled(used);
}

void FNetworkProxySetting::accept()
{
    const auto type = QNetworkProxy::ProxyType(m_type->currentData().toInt());
    const QString host = m_host->text().trimmed();
    if (type != QNetworkProxy::NoProxy && (host.isEmpty() || host.contains(QLatin1Char(' ')))) {
        m_message->setText(tr("Please enter the proxy server's host name."));
        m_message->show();
        return;
    }
    const QNetworkProxy proxy = type == QNetworkProxy::NoProxy ? QNetworkProxy(QNetworkProxy::NoProxy)
                                                               : QNetworkProxy(type, host, quint16(m_port->value()));
    QNetworkProxy::setApplicationProxy(proxy);
    KvConfig *config = KvConfig::Instance();
    config->SetAppValue(kGroup, kTypeKey, typeName(type));
    config->SetAppValue(kGroup, kHostKey, proxy.hostName());
    config->SetAppValue(kGroup, kPortKey, int(proxy.port()));
    KV_LOG_INFO("network proxy set: %s %s:%d", KV_CSTR(typeName(type)), KV_CSTR(proxy.hostName()), int(proxy.port()));
    QDialog::accept();
}

QNetworkProxy FNetworkProxySetting::savedProxy()
{
    const KvConfig *config = KvConfig::Instance();
    const QString name = config->GetAppValue(kGroup, kTypeKey).toString();
    if (name.isEmpty())
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    const QNetworkProxy::ProxyType type = typeFromName(name);
    const QString host = config->GetAppValue(kGroup, kHostKey).toString();
    const int port = config->GetAppValue(kGroup, kPortKey, false, 0).toInt();
    if (type == QNetworkProxy::NoProxy)
        return QNetworkProxy(QNetworkProxy::NoProxy);
    if (host.isEmpty() || port <= 0 || port > 65535) {
        KV_LOG_ERROR("kept network proxy \"%s\" %s:%d is incomplete; ignored", KV_CSTR(name), KV_CSTR(host), port);
        return QNetworkProxy(QNetworkProxy::DefaultProxy);
    }
    return QNetworkProxy(type, host, quint16(port));
}

bool FNetworkProxySetting::applySavedProxy()
{
    const QNetworkProxy proxy = savedProxy();
    if (proxy.type() == QNetworkProxy::DefaultProxy)
        return false;
    QNetworkProxy::setApplicationProxy(proxy);
    KV_LOG_INFO("network proxy %s:%d applied", KV_CSTR(proxy.hostName()), int(proxy.port()));
    return true;
}
