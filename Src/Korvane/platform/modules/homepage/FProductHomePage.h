#pragma once

#include <QWidget>

class FProductHomePagePresenter;
class FRecentThumbnailLoader;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The start page: a top-level window with the ways into the editor (new
// project, open a file, recent projects, tools, templates) and the account
// and update links. Every click goes to its presenter, a child of the page.
class FProductHomePage : public QWidget
{
    Q_OBJECT

public:
    explicit FProductHomePage(QWidget *parent = nullptr);

    FProductHomePagePresenter *presenter() const { return m_presenter; }
    // Finds the recent projects' thumbnails off the GUI thread.
    FRecentThumbnailLoader *thumbnailLoader() const { return m_thumbnails; }

    // Closes the window without asking anyone (sigClose is not emitted).
    void accept();

signals:
    // Closing the window asks first; a receiver that sets `ignore` keeps it open.
    void sigClose(bool &ignore);

protected:
    void closeEvent(QCloseEvent *event) override;
    // A new catalogue: the page's fixed texts follow.
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QWidget *buildHeader();
    QWidget *buildSidePanel();
    QWidget *buildMainPanel();
    QWidget *buildToolRow();
    QWidget *buildExploreRow();
    QLabel *sectionTitle(const QString &text);

    void slotOpenProjectClicked();
    void slotRecentActivated(QListWidgetItem *item);
    void slotRecentListChanged();
    void slotThumbnailsReady();
    void slotTemplatesChanged();
    void slotUserChanged();
    // The page's style sheet, resolved with the skin's palette.
    void applySkin();
    void slotPaletteChanged();

    FProductHomePagePresenter *m_presenter = nullptr;
    FRecentThumbnailLoader *m_thumbnails = nullptr;
    // Holds everything the page shows, and the page's style sheet.
    QWidget *m_content = nullptr;
    QListWidget *m_recentList = nullptr;
    QLabel *m_emptyRecent = nullptr;
    QHBoxLayout *m_templateRow = nullptr;
    QLabel *m_noTemplates = nullptr;
    QPushButton *m_loginLink = nullptr;
    QPushButton *m_logoutLink = nullptr;
    QLineEdit *m_search = nullptr;
    bool m_accepting = false;
};
