#include "FEditingModuleWidget.h"

#include "IKvProjectManager.h"
#include "KvMessage.h"
#include "KvMessageId.h"

FEditingModuleWidget::FEditingModuleWidget(QWidget *parent)
    : QWidget(parent)
    , KvUIView(this)
{
}

void FEditingModuleWidget::refresh()
{
    showProject(IKvProjectManager::getInstance()->currentProject());
}

bool FEditingModuleWidget::dispatchMessage(KvMessage *message)
{
    if (message
        && (message->code() == KvMessageId::ProjectChanged || message->code() == KvMessageId::ProjectModifiedChanged))
        refresh();
    return KvUIView::dispatchMessage(message);
}

void FEditingModuleWidget::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}
