#include "FRecentProjectListItem.h"

#include "KvToolButtonFactory.h"
#include "KvUtility.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const kStateProperty = "projectListItemState";
const QString kNormal = QStringLiteral("Normal");
const QString kEnter = QStringLiteral("Enter");
const QString kSelected = QStringLiteral("Selected");

} // namespace

const QSize FRecentProjectListItem::kThumbnailSize(100, 56);

FRecentProjectListItem::FRecentProjectListItem(const KvProjectRecentInfo &info, QWidget *parent)
    : FRecentProjectListItem(info, parent, true)
{
}

FRecentProjectListItem::FRecentProjectListItem(const KvProjectRecentInfo &info, QWidget *parent, bool cardLayout)
    : QWidget(parent)
    , m_info(info)
    , m_thumbnailLabel(new QLabel(this))
    , m_name(new QLabel(this))
    , m_time(new QLabel(timeText(info.getModifyTime()), this))
    , m_size(new QLabel(this))
    , m_delete(KvToolButtonFactory::create(this, QStringLiteral("FRecentProjectDialog_ProjectTextItem_DeleteBtn"),
                                           tr("Remove from the list"), QStringLiteral("delete"), QSize(24, 24)))
{
    setObjectName(QStringLiteral("FRecentProjectListItem"));
    setAttribute(Qt::WA_StyledBackground);
    m_thumbnailLabel->setObjectName(QStringLiteral("FRecentProjectDialog_ProListTxtItem_Thumbnail"));
    m_thumbnailLabel->setFixedSize(kThumbnailSize);
    m_name->setObjectName(QStringLiteral("FRecentProjectDialog_ProListTxtItem_ProjectName"));
    m_time->setObjectName(QStringLiteral("FRecentProjectDialog_ProListTxtItem_CreateTime"));
    m_size->setObjectName(QStringLiteral("FRecentProjectDialog_ProListTxtItem_FileSize"));
    for (QLabel *label : {m_name, m_time, m_size})
        label->setTextFormat(Qt::PlainText);
    // The whole name stays reachable where the label shows it cut.
    setToolTip(QFileInfo(info.getPath()).completeBaseName());
    m_name->installEventFilter(this);
    m_delete->hide();
    connect(m_delete, &QToolButton::clicked, this, &FRecentProjectListItem::sigRemoveItem);
    setState(kNormal);
    updateName();

    if (cardLayout) {
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(6, 6, 6, 6);
        layout->setSpacing(4);
        layout->addWidget(m_thumbnailLabel, 0, Qt::AlignHCenter);
        layout->addWidget(m_name);
        layout->addWidget(m_time);
        auto *bottom = new QHBoxLayout;
        bottom->addWidget(m_size, 1);
        bottom->addWidget(m_delete);
        layout->addLayout(bottom);
    }
}

FRecentProjectListItem::~FRecentProjectListItem() = default;

QString FRecentProjectListItem::elidedName(const QFontMetrics &metrics, const QString &name, int width)
{
    if (metrics.horizontalAdvance(name) <= width)
        return name;
    return metrics.elidedText(name, Qt::ElideRight, width);
}

QString FRecentProjectListItem::timeText(const QDateTime &time)
{
    if (!time.isValid())
        return QString();
    // The C locale keeps the pattern as written ("AM"/"PM", English digits).
    return QLocale::c().toString(time.toLocalTime(), QStringLiteral("MM/dd/yyyy hh:mm AP"));
}

void FRecentProjectListItem::setSelected(bool selected)
{
    m_selected = selected;
    m_delete->setVisible(selected);
    setState(selected ? kSelected : (underMouse() ? kEnter : kNormal));
}

QString FRecentProjectListItem::state() const
{
    return m_state;
}

void FRecentProjectListItem::setThumbnail(const QPixmap &thumbnail)
{
    m_thumbnail = thumbnail;
    m_thumbnailLabel->setPixmap(thumbnail);
}

void FRecentProjectListItem::setFileSize(qint64 bytes)
{
    m_size->setText(bytes < 0 ? QString() : KvUtility::gGetFileSizeAuto(bytes));
}

void FRecentProjectListItem::enterEvent(QEvent *event)
{
    if (!m_selected)
        setState(kEnter);
    QWidget::enterEvent(event);
}

void FRecentProjectListItem::leaveEvent(QEvent *event)
{
    if (!m_selected)
        setState(kNormal);
    QWidget::leaveEvent(event);
}

bool FRecentProjectListItem::eventFilter(QObject *watched, QEvent *event)
{
    // The style sheet may give the name another font; elide with that one.
    if (watched == m_name && (event->type() == QEvent::FontChange || event->type() == QEvent::Polish))
        updateName();
    return QWidget::eventFilter(watched, event);
}

void FRecentProjectListItem::setState(const QString &state)
{
    if (state == m_state)
        return;
    m_state = state;
    for (QLabel *label : {m_name, m_time, m_size}) {
        label->setProperty(kStateProperty, state);
        // A dynamic property changes no style until the widget is polished again.
        label->style()->unpolish(label);
        label->style()->polish(label);
    }
}

void FRecentProjectListItem::updateName()
{
    const QString elided = elidedName(m_name->fontMetrics(), QFileInfo(m_info.getPath()).completeBaseName());
    if (elided != m_name->text())
        m_name->setText(elided);
}
