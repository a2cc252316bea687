#pragma once

#include "KvFramelessDialog.h"

class QLabel;

// Shown while downloaded effect packs are unpacked: a message and the close
// button only. Closing it does not stop the unpacking.
class FExtractPackWaitingDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    explicit FExtractPackWaitingDialog(QWidget *parent = nullptr);
    ~FExtractPackWaitingDialog() override;

    QLabel *messageLabel() const { return m_message; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_message;
};
