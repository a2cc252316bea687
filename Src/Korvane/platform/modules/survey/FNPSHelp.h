#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The satisfaction survey shown when the editor closes, in the survey
// window helper ("Veskel.exe" in the application directory). doNPS() starts
// the window if needed, activates the survey and waits, in a local event
// loop, until the window reports that the user is done or the window ends.
// Without the helper it logs and returns at once.
class FNPSHelp : public QObject
{
    Q_OBJECT

public:
    explicit FNPSHelp(QObject *parent = nullptr);

    void doNPS(QWidget *parent);
    int surveyCount() const { return m_surveyCount; }
    // The score of the last survey, -1 when dismissed or not answered.
    int lastScore() const { return m_lastScore; }

    static QString defaultProgram();
    // Test seam: another survey window program.
    void setProgram(const QString &path) { m_program = path; }

private:
    QString m_program;
    int m_surveyCount = 0;
    int m_lastScore = -1;
};
