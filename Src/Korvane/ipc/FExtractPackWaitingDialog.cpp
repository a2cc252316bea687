#include "FExtractPackWaitingDialog.h"

#include "KvCustomProductInfo.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 400;
constexpr int kHeight = 150;
} // namespace

FExtractPackWaitingDialog::FExtractPackWaitingDialog(QWidget *parent)
    : KvFramelessDialog(parent, NarrowWidth)
    , m_message(new QLabel)
{
    setObjectName(QStringLiteral("FExtractPackWaitingDialog"));
    setTitle(KvCustomProductInfo::FGetProductName());
    setFixedSize(kWidth, kHeight);
    setModal(false);
    m_message->setObjectName(QStringLiteral("FExtractPackWaitingDialog_Message"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(contentWidget());
    layout->setContentsMargins(20, 10, 20, 20);
    layout->addWidget(m_message);
}

FExtractPackWaitingDialog::~FExtractPackWaitingDialog() = default;

void FExtractPackWaitingDialog::showEvent(QShowEvent *event)
{
    // Each showing, so that it follows the interface language.
    m_message->setText(tr("Wait a second, refreshing the category information."));
    KvFramelessDialog::showEvent(event);
}
