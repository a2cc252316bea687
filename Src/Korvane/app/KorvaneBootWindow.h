#pragma once

#include <QMainWindow>

class QLabel;
class QListWidget;

// The editor's window while the start page and the editing scene are not
// there yet: it keeps the running instance on screen and acts on what a
// second start forwards (bring to front, open a project).
class KorvaneBootWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit KorvaneBootWindow(const QString &title, QWidget *parent = nullptr);

private:
    void slotReceveMsgFrom(const QString &text);
    void bringToFront();
    void openProject(const QString &path);

    QLabel *m_projectLabel = nullptr;
    QListWidget *m_received = nullptr;
};
