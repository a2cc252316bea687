#pragma once

#include "FMessageDialog.h"

#include <QVector>

class QLabel;

// Tells the user that the machine is below the editor's hardware
// requirements, with the requirements table and a link to the performance
// tutorial. As a question (the GPU driver should be updated too) it offers
// "Update Graphics Driver" (Yes) and "Continue" (No); as information it has
// OK and an "Always Ask" check box, checked when shown.
class FLowerRequirementDlg : public FMessageDialog
{
    Q_OBJECT

public:
    enum Form {
        QuestionForm,
        InformationForm,
    };

    struct Requirement
    {
        const char *label; // empty for a continuation row
        const char *text;
    };

    explicit FLowerRequirementDlg(Form form, QWidget *parent = nullptr);
    // With a given tutorial address instead of the configured one.
    FLowerRequirementDlg(Form form, const QString &tutorialUrl, QWidget *parent);
    ~FLowerRequirementDlg() override;

    Form form() const { return m_form; }

    // The six rows of the requirements table, untranslated.
    static const QVector<Requirement> &requirements();
    // Row `row` as shown: " : text" on the labelled rows, three blanks before
    // the text on the rows that continue the one above.
    static QString requirementText(int row);
    static QString requirementLabel(int row);

    QLabel *tableLabel(int row, int column) const;
    QLabel *tutorialLabel() const { return m_tutorial; }

private:
    void buildTable();

    Form m_form;
    QVector<QLabel *> m_cells; // row-major, two columns
    QLabel *m_tutorial;
};
