#include "KvProgressDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

KvProgressDialog::KvProgressDialog(QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_title(new QLabel)
    , m_bar(new QProgressBar)
    , m_text(new QLabel)
{
    setObjectName(QStringLiteral("KvProgressDialog"));
    m_title->setObjectName(QStringLiteral("KvProgressDialog_Title"));
    m_title->setWordWrap(true);
    m_bar->setObjectName(QStringLiteral("KvProgressDialog_Bar"));
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(6);
    m_text->setObjectName(QStringLiteral("KvProgressDialog_Text"));
    m_text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(20, 16, 20, 18);
    layout->setSpacing(10);
    layout->addWidget(m_title);
    layout->addWidget(m_bar);
    layout->addWidget(m_text);
    setRange(0, 100);
    setCloseButtonVisible(false);
}

void KvProgressDialog::setProgressTitle(const QString &text)
{
    m_title->setText(text);
    m_bar->setAccessibleName(text);
}

QString KvProgressDialog::progressTitle() const
{
    return m_title->text();
}

void KvProgressDialog::setRange(int minimum, int maximum)
{
    m_bar->setRange(minimum, qMax(minimum, maximum));
}

int KvProgressDialog::minimum() const
{
    return m_bar->minimum();
}

int KvProgressDialog::maximum() const
{
    return m_bar->maximum();
}

void KvProgressDialog::setProgress(int value)
{
    m_bar->setValue(qBound(m_bar->minimum(), value, m_bar->maximum()));
}

int KvProgressDialog::progress() const
{
    return m_bar->value();
}

void KvProgressDialog::setProgressText(const QString &text)
{
    m_text->setText(text);
}

QString KvProgressDialog::progressText() const
{
    return m_text->text();
}

void KvProgressDialog::setCancelable(bool cancelable, const QString &cancelText)
{
    m_cancelable = cancelable;
    setCloseButtonVisible(cancelable);
    QPushButton *cancel = button(Canceled);
    if (cancelable && !cancel) {
        cancel = addButton(cancelText.isEmpty() ? tr("Cancel") : cancelText, Canceled);
        connect(cancel, &QPushButton::clicked, this, &KvProgressDialog::sigCanceled);
    }
    if (cancel)
        cancel->setVisible(cancelable);
}

void KvProgressDialog::finish()
{
    done(Finished);
}

void KvProgressDialog::onCloseClicked()
{
    if (!m_cancelable)
        return;
    emit sigCanceled();
    done(Canceled);
}

void KvProgressDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape would end the dialog while the job still runs.
    if (event->key() == Qt::Key_Escape) {
        if (m_cancelable)
            onCloseClicked();
        event->accept();
        return;
    }
    KvFramelessDialog::keyPressEvent(event);
}
