#pragma once

#include <QWidget>

class QLabel;

// The cloud storage window. With no storage reachable it says so and shows
// whom it would be for. Deletes itself when closed.
class KvCloudDiskView : public QWidget
{
    Q_OBJECT

public:
    explicit KvCloudDiskView(QWidget *parent = nullptr);

    void setUserName(const QString &userName);

private:
    QLabel *m_user = nullptr;
};
