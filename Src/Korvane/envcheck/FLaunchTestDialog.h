#pragma once

#include "KvFramelessDialog.h"

#include <QFuture>

class FLoadingAnimation;
class QLabel;

// Stays up while the first-run environment test works: a busy animation
// and "Environment testing". The user cannot close it; it is accepted when
// the test's future finishes. Only programmatic closes end it (a
// termination signal rejects it).
class FLaunchTestDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 304;

    explicit FLaunchTestDialog(QWidget *parent = nullptr);

    // Accepts the dialog once `future` has finished (at once when it has).
    void acceptWhenFinished(const QFuture<void> &future);

    // Runs the dialog's own loop; true when it ended accepted.
    bool runUntilFinished();

    QLabel *label() const { return m_label; }
    FLoadingAnimation *animation() const { return m_animation; }

protected:
    void onCloseClicked() override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_label;
    FLoadingAnimation *m_animation;
};
