#pragma once

#include <QDialog>
#include <QNetworkProxy>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The proxy the editor's web requests use: none, HTTP or SOCKS5, host and
// port. OK applies it to the whole application and keeps it for the next run
// (applySavedProxy()).
class FNetworkProxySetting : public QDialog
{
    Q_OBJECT

public:
    explicit FNetworkProxySetting(QWidget *parent = nullptr);

    // The proxy kept by an earlier OK (possibly NoProxy); DefaultProxy when
    // none was kept.
    static QNetworkProxy savedProxy();
    // Applies the kept proxy (at start); false when none was kept.
    static bool applySavedProxy();

    void accept() override;

private:
    void updateEnabled();

    QComboBox *m_type = nullptr;
    QLineEdit *m_host = nullptr;
    QSpinBox *m_port = nullptr;
    QLabel *m_message = nullptr;
};
