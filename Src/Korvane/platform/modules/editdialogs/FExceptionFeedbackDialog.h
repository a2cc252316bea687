#pragma once

#include "KvFramelessDialog.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Lets the user describe a problem, after an error (Exception) or from the
// help menu (Information). There is no feedback service to send to here: a
// report is appended as one JSON line to "feedback.jsonl" in the log folder,
// where the log retrieval picks it up with the logs.
class FExceptionFeedbackDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum class Mode { Exception, Information };

    explicit FExceptionFeedbackDialog(Mode mode, QWidget *parent = nullptr);
    ~FExceptionFeedbackDialog() override;

    Mode mode() const { return m_mode; }
    // DoModal answers Sent when the report was written, else Closed.
    enum Result { Sent = 1 };

    void setDescription(const QString &text);
    void setEmail(const QString &email);
    // Appends the report; false, with a message in the dialog, when the
    // description is empty, the e-mail address is malformed or the file
    // cannot be written.
    bool send();

    static QString reportFilePath();

protected:
    // "Send" closes the dialog only once the report is written.
    void done(int result) override;

private:
    Mode m_mode;
    QPlainTextEdit *m_description;
    QLineEdit *m_email;
    QLabel *m_message;
};
