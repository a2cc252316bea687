#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Lets the user write feedback. The maker's feedback service is not
// reachable from here: sent feedback is appended as a JSON line to
// "feedback.jsonl" in the log folder, which the log upload takes along.
// Non-modal; its owner keeps it.
class FFeedBackDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FFeedBackDialog(QWidget *parent = nullptr);

    // Writes the text and closes; on failure the dialog stays open with the
    // text untouched and says so.
    bool submit();
    static QString feedbackFile();

private:
    QPlainTextEdit *m_text;
    QLabel *m_status;
    QPushButton *m_send;
};
