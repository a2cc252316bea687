#pragma once

#include <QWidget>

class QLabel;

// What the recent-project views show when the list is empty: an icon over a
// caption, both centred.
class FEmptyProjectWidget : public QWidget
{
    Q_OBJECT

public:
    static const QSize kIconSize;    // 88 x 64
    static const QSize kCaptionSize; // 245 x 16
    static constexpr int kSpacing = 16;

    explicit FEmptyProjectWidget(QWidget *parent = nullptr);
    ~FEmptyProjectWidget() override;

    QLabel *iconLabel() const { return m_icon; }
    QLabel *captionLabel() const { return m_caption; }

private:
    QLabel *m_icon;
    QLabel *m_caption;
};
