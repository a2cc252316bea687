#pragma once

#include "KvUIView.h"

#include <QFrame>

class KorvaneMenuBar;
class KorvaneTitleBarPresenter;
class KorvaneTitleToolButtonWdg;
class KvTopLevelWindowTitleBar;
class QFontMetrics;
class QLabel;

// The custom title bar of the main window: window buttons and dragging, the
// logo and title, the menu bar, the project name with the timeline duration
// and the row of tool buttons.
class KorvaneTitleBar : public QFrame, public KvUIView
{
    Q_OBJECT

public:
    static constexpr int kHeight = 32;
    // Room kept free of the project name: margins, spacers and the window
    // buttons.
    static constexpr int kReservedWidth = 176;

    KorvaneTitleBar(KorvaneTitleBarPresenter *presenter, KvUIView *parentView, QWidget *parent);

    KvTopLevelWindowTitleBar *windowTitleBar() const { return m_windowTitleBar; }
    KorvaneMenuBar *menuBar() const { return m_menuBar; }
    KorvaneTitleToolButtonWdg *toolButtons() const { return m_toolButtons; }
    QLabel *projectNameLabel() const { return m_projectNameLabel; }
    KorvaneTitleBarPresenter *titleBarPresenter() const { return m_presenter; }
    bool isMaximized() const;

    void setProjectName(const QString &name);
    QString projectName() const { return m_projectName; }
    void setDuration(const QString &duration);
    QString duration() const { return m_duration; }
    // Reads the project's name and modified state again.
    void refresh();

    // What the project name label shows for a name and a duration in the
    // available width.
    static QString projectText(const QFontMetrics &metrics, const QString &name, const QString &duration,
                               int available);
    int availableNameWidth() const;

signals:
    void sigExit();

public slots:
    void slotReceiveCaddyMsg(int type, const QString &text);
    void slotProjectChanged(bool canSave);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateProjectNameText();
    void connectPresenter();

    KorvaneTitleBarPresenter *m_presenter;
    KvTopLevelWindowTitleBar *m_windowTitleBar = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_titleText = nullptr;
    QLabel *m_projectNameLabel = nullptr;
    QString m_projectName;
    QString m_duration = QStringLiteral("00:00:00:00");
    KorvaneMenuBar *m_menuBar = nullptr;
    KorvaneTitleToolButtonWdg *m_toolButtons = nullptr;
};
