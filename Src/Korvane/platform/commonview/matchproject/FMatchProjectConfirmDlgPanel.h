#pragma once

#include "KvProjectData.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

// The content of the match-project question: the text, the "stop asking"
// check box and the two choices, each showing the settings it stands for.
class FMatchProjectConfirmDlgPanel : public QWidget
{
    Q_OBJECT

public:
    FMatchProjectConfirmDlgPanel(const KvProjectSettings &media, const KvProjectSettings &project,
                                 QWidget *parent = nullptr);
    ~FMatchProjectConfirmDlgPanel() override;

    // "%1 x %2 %3fps" with the rate in up to six significant digits. The
    // project keeps its rate in hundredths, so its side reads 23.98 where
    // the medium's reads 23.976.
    static QString mediaText(const KvProjectSettings &media);
    static QString projectText(const KvProjectSettings &project);

    bool isStopAsking() const;
    QPushButton *matchButton() const { return m_match; }
    QPushButton *keepButton() const { return m_keep; }
    QCheckBox *stopAskingBox() const { return m_stopAsking; }

signals:
    void s_match();
    void s_close();

private:
    QLabel *m_text;
    QCheckBox *m_stopAsking;
    QPushButton *m_match;
    QPushButton *m_keep;
};
