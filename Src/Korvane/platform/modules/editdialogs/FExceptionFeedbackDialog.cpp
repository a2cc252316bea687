#include "FExceptionFeedbackDialog.h"

#include "IKvAppInfo.h"
#include "IKvBaseLog.h"
#include "KvAppInfoId.h"
#include "KvPaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// Far more than anyone types into the box; keeps a pasted file out of the report.
constexpr int kMaxDescription = 20000;

} // namespace

FExceptionFeedbackDialog::FExceptionFeedbackDialog(Mode mode, QWidget *parent)
    : KvFramelessDialog(parent, StandardWidth)
    , m_mode(mode)
    , m_description(new QPlainTextEdit(this))
    , m_email(new QLineEdit(this))
    , m_message(new QLabel(this))
{
    setObjectName("FExceptionFeedbackDialog");
    setTitle(mode == Mode::Exception ? tr("Problem Report") : tr("Feedback"));
    auto *intro = new QLabel(mode == Mode::Exception
                                 ? tr("Something went wrong. Tell us what you were doing so that we can fix it.")
                                 : tr("Tell us what you think or what went wrong."),
                             this);
    intro->setObjectName("FExceptionFeedbackDialog_Intro");
    intro->setWordWrap(true);
    m_description->setObjectName("FExceptionFeedbackDialog_Description");
    m_description->setAccessibleName(tr("Description"));
    m_description->setPlaceholderText(tr("Describe the problem"));
    m_email->setObjectName("FExceptionFeedbackDialog_Email");
    m_email->setAccessibleName(tr("E-mail"));
    m_email->setPlaceholderText(tr("E-mail (optional)"));
    m_message->setObjectName("FExceptionFeedbackDialog_Message");
    m_message->hide();

    addButton(tr("Cancel"), Closed);
    addButton(tr("Send"), Sent, true);

    auto *layout = new QVBoxLayout(contentWidget());
    layout->addWidget(intro);
    layout->addWidget(m_description);
    layout->addWidget(m_email);
    layout->addWidget(m_message);
}

FExceptionFeedbackDialog::~FExceptionFeedbackDialog() = default;

void FExceptionFeedbackDialog::done(int result)
{
    if (result == Sent && !send())
        return;
    KvFramelessDialog::done(result);
}

void FExceptionFeedbackDialog::setDescription(const QString &text)
{
    m_description->setPlainText(text);
}

void FExceptionFeedbackDialog::setEmail(const QString &email)
{
    m_email->setText(email);
}

QString FExceptionFeedbackDialog::reportFilePath()
{
    QString folder = IKvAppInfo::getInstance()->getValue(KvAppInfoId::LogDir).toString();
    if (folder.isEmpty())
        folder = KvPaths::userDataDir() + "/log";
    return QDir(folder).filePath("feedback.jsonl");
}

bool FExceptionFeedbackDialog::send()
{
    const QString description = m_description->toPlainText().trimmed();
    const QString email = m_email->text().trimmed();
    static const QRegularExpression emailPattern("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$");
    QString problem;
    if (description.isEmpty())
        problem = tr("Please describe the problem.");
    else if (!email.isEmpty() && !emailPattern.match(email).hasMatch())
        problem = tr("Please enter a valid e-mail address or leave it empty.");
    if (problem.isEmpty()) {
        const QString path = reportFilePath();
        const QJsonObject report{{"time", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                                 {"kind", m_mode == Mode::Exception ? "exception" : "information"},
                                 {"version", QCoreApplication::applicationVersion()},
                                 {"email", email},
                                 {"description", description.left(kMaxDescription)}};
        QFile file(path);
        if (QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::Append | QIODevice::Text)
            && file.write(QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n') > 0) {
            KV_LOG_INFO("feedback written to \"%s\"", KV_CSTR(path));
            return true;
        }
        KV_LOG_ERROR("feedback could not be written to \"%s\": %s", KV_CSTR(path), KV_CSTR(file.errorString()));
        problem = tr("The report could not be saved.");
    }
    m_message->setText(problem);
    m_message->show();
    return false;
}
