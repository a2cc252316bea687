#include "FMatchProjectDialog.h"

#include "FMatchProjectConfirmDlgPanel.h"

#include <QGuiApplication>
#include <QVBoxLayout>

FMatchProjectDialog::FMatchProjectDialog(const KvProjectSettings &media, const KvProjectSettings &project,
                                         QWidget *parent)
    : QDialog(parent)
    , m_panel(new FMatchProjectConfirmDlgPanel(media, project, this))
{
    setObjectName("FMatchProjectDialog");
    setWindowTitle(QGuiApplication::applicationDisplayName());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    connect(m_panel, &FMatchProjectConfirmDlgPanel::s_match, this, [this] {
        emit s_match();
        accept();
    });
    connect(m_panel, &FMatchProjectConfirmDlgPanel::s_close, this, &QDialog::reject);
}

FMatchProjectDialog::~FMatchProjectDialog() = default;

int FMatchProjectDialog::DoModal()
{
    return exec();
}

bool FMatchProjectDialog::isStopAsking() const
{
    return m_panel->isStopAsking();
}
