#pragma once

#include "KvFramelessDialog.h"

class QTabWidget;

// A frameless dialog whose content is a row of tabs, one page each
// (preferences, the speech service).
class KvTabFramelessDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    explicit KvTabFramelessDialog(QWidget *parent = nullptr, WidthClass widthClass = StandardWidth);

    // Returns the index of the new tab; the dialog owns `page`.
    int addTab(QWidget *page, const QString &label);
    int tabCount() const;
    QWidget *tabPage(int index) const;
    // An index out of range is logged and leaves the current tab alone.
    void setCurrentTab(int index);
    int currentTab() const;
    QTabWidget *tabWidget() const { return m_tabs; }

signals:
    void sigCurrentTabChanged(int index);

private:
    QTabWidget *m_tabs;
};
