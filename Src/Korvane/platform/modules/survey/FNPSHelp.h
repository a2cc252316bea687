#pragma once

#include <QObject>

class QWidget;

// The satisfaction survey shown when the editor closes. The survey lives on
// the maker's web service, which is not reachable from this platform, so
// doNPS() logs and returns at once instead of waiting for a survey window.
class FNPSHelp : public QObject
{
    Q_OBJECT

public:
    explicit FNPSHelp(QObject *parent = nullptr);

    void doNPS(QWidget *parent);
    int surveyCount() const { return m_surveyCount; }

private:
    int m_surveyCount = 0;
};
