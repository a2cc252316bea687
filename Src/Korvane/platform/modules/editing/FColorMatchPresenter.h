#pragma once

#include <QObject>

// Color matching in the player: while it runs, the player shows the
// reference beside the clip. Started from the player; ended by the user or
// by the main window before it closes.
class FColorMatchPresenter : public QObject
{
    Q_OBJECT

public:
    explicit FColorMatchPresenter(QObject *parent = nullptr);

    bool isMatching() const { return m_matching; }
    void startMatching();
    void endMatching();

signals:
    void sigMatchingChanged(bool matching);

private:
    bool m_matching = false;
};
