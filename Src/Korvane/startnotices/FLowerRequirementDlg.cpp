#include "FLowerRequirementDlg.h"

#include "KvCheck.h"
#include "KvConfig.h"
#include "KvCustomProductInfo.h"
#include "KvDesktopService.h"
#include "KvSkin.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kTutorialPage[] = "EnhancePerformancePage";
// Rows from here on continue the "Graphics" row.
constexpr int kFirstContinuationRow = 3;
// The table and the tutorial line stand under the message text, right of its icon.
constexpr int kTextIndent = 42;

// As the message text reads.
const char kTextStyle[] = "QLabel { color: @text; font-size: 13px; }";

} // namespace

FLowerRequirementDlg::FLowerRequirementDlg(Form form, QWidget *parent)
    : FLowerRequirementDlg(form, KvConfig::Instance()->GetCBSUrl(QLatin1String(kTutorialPage)), parent)
{
}

FLowerRequirementDlg::FLowerRequirementDlg(Form form, const QString &tutorialUrl, QWidget *parent)
    : FMessageDialog(parent)
    , m_form(form)
    , m_tutorial(new QLabel(contentWidget()))
{
    setObjectName(form == QuestionForm ? QStringLiteral("FLowerRequirementDlg_Question")
                                       : QStringLiteral("FLowerRequirementDlg_Information"));
    setTitle(KvCustomProductInfo::FGetProductName());
    setKind(form == QuestionForm ? Question : Information);
    setText(tr("Your hardware is below our requirement, you can keep using the program but it may have a chance to "
               "freeze or lagged when you edit."));

    m_tutorial->setObjectName(QStringLiteral("FLowerRequirementDlg_Tutorial"));
    m_tutorial->setTextFormat(Qt::RichText);
    m_tutorial->setWordWrap(true);
    m_tutorial->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_tutorial->setOpenExternalLinks(false);
    m_tutorial->setText(QStringLiteral("%1 <a style=\"color:#61DED0;\" href=\"%2\">%3</a> %4")
                            .arg(tr("Follow the").toHtmlEscaped(), tutorialUrl.toHtmlEscaped(),
                                 tr("Tutorial").toHtmlEscaped(), tr("to enhance your preference.").toHtmlEscaped()));
    m_tutorial->setAccessibleName(tr("Tutorial"));
    connect(m_tutorial, &QLabel::linkActivated, this,
            [](const QString &link) { KvDesktopService::openURL(QUrl(link)); });
    buildTable();

    if (form == QuestionForm) {
        addButton(tr("Update Graphics Driver"), Yes);
        addButton(tr("Continue"), No);
    } else {
        setCheckBoxText(tr("Always Ask"));
        setChecked(true);
        addButton(tr("OK"), Ok);
    }
    // The table's rows are long; the message alone would pick the narrow width.
    setWidthClass(StandardWidth);

}

FLowerRequirementDlg::~FLowerRequirementDlg() = default;

const QVector<FLowerRequirementDlg::Requirement> &FLowerRequirementDlg::requirements()
{
    static const QVector<Requirement> rows = {
        {QT_TRANSLATE_NOOP("FLowerRequirementDlg", "Processor"),
         QT_TRANSLATE_NOOP("FLowerRequirementDlg", "Intel i3 or better multicore processor, 2GHz or above.")},
        {QT_TRANSLATE_NOOP("FLowerRequirementDlg", "RAM"),
         QT_TRANSLATE_NOOP("FLowerRequirementDlg", "4 GB RAM (8GB required for HD and 4K videos).")},
        {QT_TRANSLATE_NOOP("FLowerRequirementDlg", "Graphics"),
         QT_TRANSLATE_NOOP("FLowerRequirementDlg", "Intel HD Graphics 5000 or later;")},
        {"", QT_TRANSLATE_NOOP("FLowerRequirementDlg", "NVIDIA GeForce GTX 700 or later;")},
        {"", QT_TRANSLATE_NOOP("FLowerRequirementDlg", "AMD Radeon R5 or later.")},
        {"", QT_TRANSLATE_NOOP("FLowerRequirementDlg", "2 GB vRAM (4GB required for HD and 4K videos).")},
    };
    return rows;
}

QString FLowerRequirementDlg::requirementLabel(int row)
{
    KV_CHECK(row >= 0 && row < requirements().size(), return QString());
    const char *label = requirements().at(row).label;
    return *label ? tr(label) : QString();
}

QString FLowerRequirementDlg::requirementText(int row)
{
    KV_CHECK(row >= 0 && row < requirements().size(), return QString());
    const QString text = tr(requirements().at(row).text);
    return row < kFirstContinuationRow ? QStringLiteral(" : %1").arg(text) : QStringLiteral("   %1").arg(text);
}

void FLowerRequirementDlg::buildTable()
{
    auto *layout = qobject_cast<QVBoxLayout *>(contentWidget()->layout());
    KV_CHECK(layout, return);
    auto *tableWidget = new QWidget(contentWidget());
    tableWidget->setObjectName(QStringLiteral("FLowerRequirementDlg_Table"));
    auto *table = new QGridLayout(tableWidget);
    table->setContentsMargins(kTextIndent, 0, 0, 0);
    table->setHorizontalSpacing(4);
    table->setVerticalSpacing(4);
    table->setColumnStretch(1, 1);
    for (int row = 0; row < requirements().size(); ++row) {
        for (int column = 0; column < 2; ++column) {
            auto *cell = new QLabel(column == 0 ? requirementLabel(row) : requirementText(row), tableWidget);
            cell->setObjectName(QStringLiteral("FLowerRequirementDlg_Cell%1_%2").arg(row).arg(column));
            cell->setTextFormat(Qt::PlainText);
            cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            cell->setWordWrap(column == 1);
            table->addWidget(cell, row, column);
            m_cells << cell;
        }
    }
    // Below the message, above the check box.
    const QString textStyle = KvSkin::instance()->resolve(QString::fromUtf8(kTextStyle));
    tableWidget->setStyleSheet(textStyle);
    m_tutorial->setStyleSheet(textStyle);
    layout->insertWidget(1, tableWidget);
    layout->insertWidget(2, m_tutorial);
    m_tutorial->setContentsMargins(kTextIndent, 0, 0, 0);
}

QLabel *FLowerRequirementDlg::tableLabel(int row, int column) const
{
    const int index = row * 2 + column;
    KV_CHECK(column >= 0 && column < 2 && index >= 0 && index < m_cells.size(), return nullptr);
    return m_cells.at(index);
}
