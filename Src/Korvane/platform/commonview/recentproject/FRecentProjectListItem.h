#pragma once

#include "KvProjectRecentInfo.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QToolButton;

// One recent project as a card: thumbnail, name, modification time and file
// size, and a delete button that only the selected card shows. The labels
// carry "projectListItemState" ("Normal", "Enter", "Selected") for the style
// sheet. The size and the thumbnail arrive later (they need the disk); until
// then the card shows an empty frame and no size.
class FRecentProjectListItem : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kNameWidth = 170;
    static const QSize kThumbnailSize; // 100 x 56

    explicit FRecentProjectListItem(const KvProjectRecentInfo &info, QWidget *parent = nullptr);
    ~FRecentProjectListItem() override;

    KvProjectRecentInfo info() const { return m_info; }
    QString path() const { return m_info.getPath(); }

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    QString state() const;

    // Null keeps the empty frame.
    void setThumbnail(const QPixmap &thumbnail);
    QPixmap thumbnail() const { return m_thumbnail; }
    // Negative: unknown (the file is missing), no size shown.
    void setFileSize(qint64 bytes);

    QLabel *nameLabel() const { return m_name; }
    QLabel *timeLabel() const { return m_time; }
    QLabel *sizeLabel() const { return m_size; }
    QToolButton *deleteButton() const { return m_delete; }

    // `name` cut at the right with an ellipsis when it is wider than
    // `width` pixels in `metrics`; a name exactly that wide stays whole.
    static QString elidedName(const QFontMetrics &metrics, const QString &name, int width = kNameWidth);
    // "MM/dd/yyyy hh:mm AP" in local time, the same in every language;
    // empty for an unknown time.
    static QString timeText(const QDateTime &time);

signals:
    void sigRemoveItem();

protected:
    // Subclasses that arrange the controls themselves pass false.
    FRecentProjectListItem(const KvProjectRecentInfo &info, QWidget *parent, bool cardLayout);

    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QLabel *thumbnailLabel() const { return m_thumbnailLabel; }

private:
    void setState(const QString &state);
    void updateName();

    KvProjectRecentInfo m_info;
    QPixmap m_thumbnail;
    QLabel *m_thumbnailLabel;
    QLabel *m_name;
    QLabel *m_time;
    QLabel *m_size;
    QToolButton *m_delete;
    bool m_selected = false;
    QString m_state;
};
