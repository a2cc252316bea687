#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

// The widget of one toast (see KvToast): an icon and a line of text on a
// rounded plate, a child of the window it floats over. It stays for
// kShowMs and then deletes itself.
class KvToastWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShowMs = 2000;

    KvToastWidget(QWidget *host, const QString &text, const QString &iconPath);

    QString text() const { return m_text; }
    QString iconPath() const { return m_iconPath; }
    // The icon's skin name ("successful", "failed") when the path names one.
    QString skinIconName() const;

    // Shows the toast centred over `over` and starts its timer.
    void popUp(QWidget *over);
    // Closes and deletes the toast now.
    void finish();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QString m_iconPath;
    QLabel *m_icon;
    QLabel *m_label;
    QTimer m_timer;
};
