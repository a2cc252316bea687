#include "FMatchProjectDialog.h"

#include "FMatchProjectConfirmDlgPanel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>

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

void FMatchProjectDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter answers "Match To Media" wherever the focus is, except on the
    // other choice, which Enter then presses.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == m_panel->keepButton())
            m_panel->keepButton()->click();
        else
            m_panel->matchButton()->click();
        event->accept();
        return;
    }
    KvFramelessDialog::keyPressEvent(event);
}

bool FMatchProjectDialog::isStopAsking() const
{
    return m_panel->isStopAsking();
}
