#pragma once

#include <QBasicTimer>
#include <QWidget>

// A turning ring of dots that says "busy". It only ticks while shown.
class FLoadingAnimation : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSide = 56;
    static constexpr int kDots = 12;
    static constexpr int kTickMs = 80;

    explicit FLoadingAnimation(QWidget *parent = nullptr);

    bool isTurning() const { return m_timer.isActive(); }
    int step() const { return m_step; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    QBasicTimer m_timer;
    int m_step = 0;
};
