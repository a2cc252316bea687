#include "FColorMatchPresenter.h"

FColorMatchPresenter::FColorMatchPresenter(QObject *parent)
    : QObject(parent)
{
}

void FColorMatchPresenter::startMatching()
{
    if (m_matching)
        return;
    m_matching = true;
    emit sigMatchingChanged(true);
}

void FColorMatchPresenter::endMatching()
{
    if (!m_matching)
        return;
    m_matching = false;
    emit sigMatchingChanged(false);
}
