#include "FProjectOpenNotice.h"

#include "FMessageDialog.h"
#include "IKvBaseLog.h"
#include "KvCheck.h"
#include "KvCustomProductInfo.h"

void FProjectOpenNotice::show(QWidget *parent, const FProjectOpenProblem &problem)
{
    KV_CHECK(problem.isProblem(), return);
    KV_LOG_ERROR("cannot open project: %s", KV_CSTR(problem.logText()));
    FMessageDialog::information(parent, KvCustomProductInfo::FGetProductName(), problem.message(),
                                QString::fromLatin1(kObjectName));
}
