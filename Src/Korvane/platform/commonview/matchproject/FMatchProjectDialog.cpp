#include "FMatchProjectDialog.h"

#include "FMatchProjectConfirmDlgPanel.h"

#include <QGuiApplication>

FMatchProjectDialog::FMatchProjectDialog(const KvProjectSettings &media, const KvProjectSettings &project,
                                         QWidget *parent)
    : KvFramelessDialog(parent)
    , m_panel(new FMatchProjectConfirmDlgPanel(media, project))
{
    setObjectName("FMatchProjectDialog");
    setTitle(QGuiApplication::applicationDisplayName());
    setWindowTitle(title());
    // No bottom bar: the panel carries the two choices.
    setContentWidget(m_panel);
    connect(m_panel, &FMatchProjectConfirmDlgPanel::s_match, this, [this] {
        emit s_match();
        done(1);
    });
    connect(m_panel, &FMatchProjectConfirmDlgPanel::s_close, this, [this] { done(0); });
}

FMatchProjectDialog::~FMatchProjectDialog() = default;


bool FMatchProjectDialog::isStopAsking() const
{
    return m_panel->isStopAsking();
}
