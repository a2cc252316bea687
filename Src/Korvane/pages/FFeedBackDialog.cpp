#include "FFeedBackDialog.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FFeedBackDialog::FFeedBackDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this))
    , m_status(new QLabel(this))
    , m_send(new QPushButton(tr("Send"), this))
{
    setObjectName(QStringLiteral("FFeedBackDialog"));
    setWindowTitle(tr("Feedback"));
    resize(420, 300);
    m_text->setObjectName(QStringLiteral("FFeedBackDialog_Text"));
    m_text->setPlaceholderText(tr("Tell us what you think"));
    m_status->setObjectName(QStringLiteral("FFeedBackDialog_Status"));
    m_send->setObjectName(QStringLiteral("FFeedBackDialog_SendBtn"));
    m_send->setEnabled(false);
    auto *cancel = new QPushButton(tr("Cancel"), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_send);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    connect(m_text, &QPlainTextEdit::textChanged, this,
            [this]() { m_send->setEnabled(!m_text->toPlainText().trimmed().isEmpty()); });
    connect(m_send, &QPushButton::clicked, this, &FFeedBackDialog::submit);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FFeedBackDialog::feedbackFile()
{
    const QString folder = IKvAppInfo::getInstance()->getString(KvAppInfoId::LogDir);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("feedback.jsonl"));
}

bool FFeedBackDialog::submit()
{
    const QString text = m_text->toPlainText().trimmed();
    if (text.isEmpty())
        return false;
    const QString path = feedbackFile();
    QFile file(path);
    QJsonObject entry{{QStringLiteral("time"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                      {QStringLiteral("version"), QCoreApplication::applicationVersion()},
                      {QStringLiteral("text"), text}};
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath())
        || !file.open(QIODevice::WriteOnly | QIODevice::Append)
        || file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n') < 0) {
        KV_LOG_ERROR("feedback could not be written to \"%s\"", KV_CSTR(path));
        m_status->setText(tr("Your feedback could not be saved."));
        return false;
    }
    KV_LOG_INFO("feedback saved (%d characters)", int(text.size()));
    m_text->clear();
    m_status->clear();
    accept();
    return true;
}
