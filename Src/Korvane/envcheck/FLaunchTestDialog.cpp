#include "FLaunchTestDialog.h"

#include "FLoadingAnimation.h"

#include <QCloseEvent>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

FLaunchTestDialog::FLaunchTestDialog(QWidget *parent)
    : KvFramelessDialog(parent)
    , m_label(new QLabel(tr("Environment testing")))
    , m_animation(new FLoadingAnimation)
{
    setObjectName(QStringLiteral("FLaunchTestDialog"));
    setAccessibleName(m_label->text());
    setCloseButtonVisible(false);
    setFixedSize(kWidth, kHeight);

    m_label->setObjectName(QStringLiteral("FLaunchTestDialog_Label"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setFixedSize(kWidth, 16);
    m_animation->setAccessibleName(m_label->text());

    auto *layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(20);
    layout->addStretch();
    layout->addWidget(m_animation, 0, Qt::AlignHCenter);
    layout->addWidget(m_label, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addSpacing(KvFramelessDialog::kTitleBarHeight);
}

void FLaunchTestDialog::acceptWhenFinished(const QFuture<void> &future)
{
    auto *watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcher<void>::finished, this, &QDialog::accept);
    watcher->setFuture(future);
}

bool FLaunchTestDialog::runUntilFinished()
{
    // Not a question: no answerer stands in for it, the test itself ends it.
    return runModal("dialog", m_label->text(), nullptr) == QDialog::Accepted;
}

void FLaunchTestDialog::onCloseClicked()
{
    // No way out while the test runs.
}

void FLaunchTestDialog::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    KvFramelessDialog::closeEvent(event);
}

void FLaunchTestDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    KvFramelessDialog::keyPressEvent(event);
}
