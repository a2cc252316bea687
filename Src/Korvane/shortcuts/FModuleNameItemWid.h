#pragma once

#include <QWidget>

class QLabel;

// The header row that opens a module's section in the shortcut list.
class FModuleNameItemWid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 40;

    FModuleNameItemWid(int module, const QString &name, QWidget *parent = nullptr);

    int module() const { return m_module; }
    QString name() const;

private:
    int m_module;
    QLabel *m_name;
};
