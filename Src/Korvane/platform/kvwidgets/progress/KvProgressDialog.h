#pragma once

#include "KvFramelessDialog.h"

class QLabel;
class QProgressBar;

// A frameless dialog that shows how far a long job has come: a line saying
// what is going on, a bar and a text such as "42%". Without a cancel button
// the user cannot close it; the job closes it with finish().
class KvProgressDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Result {
        Canceled = 0,
        Finished = 1,
    };

    explicit KvProgressDialog(QWidget *parent = nullptr);

    void setProgressTitle(const QString &text);
    QString progressTitle() const;
    void setRange(int minimum, int maximum);
    int minimum() const;
    int maximum() const;
    // Clamped into the range.
    void setProgress(int value);
    int progress() const;
    void setProgressText(const QString &text);
    QString progressText() const;

    // Shows a cancel button (and the close button); both emit sigCanceled
    // and end the dialog with Canceled.
    void setCancelable(bool cancelable, const QString &cancelText = QString());
    bool isCancelable() const { return m_cancelable; }

    // Ends the dialog with Finished.
    void finish();

signals:
    void sigCanceled();

protected:
    void onCloseClicked() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_title;
    QProgressBar *m_bar;
    QLabel *m_text;
    bool m_cancelable = false;
};
