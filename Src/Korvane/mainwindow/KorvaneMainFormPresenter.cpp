#include "KorvaneMainFormPresenter.h"

KorvaneMainFormPresenter::KorvaneMainFormPresenter(QObject *parent)
    : KvPresenter(parent)
{
}
