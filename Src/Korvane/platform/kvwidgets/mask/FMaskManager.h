#pragma once

#include "KvLazySingleton.h"

#include <QObject>
#include <QPointer>
#include <QString>

class FMaskWidget;
class QWidget;

// The modal mask: a shade laid over a window while a guide step or another
// modal flow owns the user's attention. Operations that must not start under
// it (an export) wait for sigMaskVisibleChanged(false). GUI thread only.
class FMaskManager : public QObject, public KvLazySingleton<FMaskManager>
{
    Q_OBJECT

public:
    static bool IsMaskVisible();

    // Lays the mask over `window`; `stepName` names the guide step it
    // belongs to (empty for a plain modal mask). A second call moves it.
    // The mask ends with closeMask() or with the window.
    void showMask(QWidget *window, const QString &stepName = QString());
    // A guide step: the mask over `window` with `target` lit and `text`
    // beside it. Its close button emits sigMaskCloseBtnClicked(stepName) and
    // closes the mask.
    void showGuideMask(QWidget *window, const QString &stepName, QWidget *target, const QString &text);
    void closeMask();
    // The shade on screen; null while none is.
    FMaskWidget *maskWidget() const;
    bool isMaskVisible() const;
    QString stepName() const { return m_stepName; }

    // The quick-start walk-through has begun; export then opens its guided form.
    void setGuideRunning(bool running) { m_guideRunning = running; }
    bool isGuideRunning() const { return m_guideRunning; }

signals:
    void sigMaskChanged(const QString &stepName);
    void sigMaskVisibleChanged(bool visible);
    void sigMaskCloseBtnClicked(const QString &stepName);
    // The mask went away, by closeMask(), its close button or its window.
    void sigMaskClosed();

private:
    friend class KvLazySingleton<FMaskManager>;
    FMaskManager();

    // A child of the window it covers; gone with that window.
    QPointer<FMaskWidget> m_mask;
    QString m_stepName;
    bool m_visible = false;
    bool m_guideRunning = false;
};
