#pragma once

#include "KvFramelessDialog.h"

class QLabel;

// Shown once per installation after the launch test found a GPU driver
// problem: the user may quit and update the driver, or continue with
// automatic GPU selection. "Exit" answers 0, "Continue" 1; the title bar's
// close button and Escape count as "Exit".
class FSafeModeDlg : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Result {
        Exit = 0,
        Continue = 1,
    };

    static constexpr int kWidth = 640;
    static constexpr int kHeight = 214;

    // The driver page is the configured address of "UpdateDriver".
    explicit FSafeModeDlg(QWidget *parent = nullptr);
    // For a given driver page address.
    FSafeModeDlg(const QString &driverPageUrl, QWidget *parent);
    ~FSafeModeDlg() override;

    QLabel *messageLabel() const { return m_message; }
    // The rich text of the message for a driver page address.
    static QString message(const QString &driverPageUrl);

private:
    QLabel *m_message;
};
