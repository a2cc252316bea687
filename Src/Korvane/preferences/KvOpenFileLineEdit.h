#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

// A read-only path field with a browse button beside it. The button opens
// the folder chooser itself, starting at the shown folder, and reports the
// chosen folder with sigPathChosen; the owner decides whether to show it
// (setPath). Paths are shown with "/" separators, also as the tool tip.
//
// Tests answer the chooser through setChooserForTest instead of the file
// dialog.
class KvOpenFileLineEdit : public QWidget
{
    Q_OBJECT

public:
    using Chooser = std::function<QString(const QString &startFolder)>;

    explicit KvOpenFileLineEdit(QWidget *parent = nullptr);
    ~KvOpenFileLineEdit() override;

    void setPath(const QString &path);
    QString path() const;

    // The chooser's title; the product name when not set.
    void setDialogTitle(const QString &title);
    void setBrowseButtonVisible(bool visible);
    // Names the field and its button for assistive tools.
    void setAccessibleName(const QString &name);

    QLineEdit *lineEdit() const { return m_edit; }
    QToolButton *browseButton() const { return m_browse; }

    // Opens the chooser as a click on the browse button does.
    void browse();

    // Empty restores the file dialog. GUI thread only.
    static void setChooserForTest(Chooser chooser);

signals:
    // A folder the user chose, separators already turned to "/"; never empty.
    void sigPathChosen(const QString &path);

private:
    QLineEdit *m_edit;
    QToolButton *m_browse;
    QString m_dialogTitle;
};
