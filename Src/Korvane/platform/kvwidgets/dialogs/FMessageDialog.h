#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

// A message of the editor: a title, a text, one or more buttons and an
// optional check box. Each button carries the number that DoModal returns
// when it is clicked; closing the dialog without a button returns Closed.
//
// Tests (and front ends without a screen) answer messages through the
// answerer: while one is set, DoModal hands it the filled dialog instead of
// running an event loop, and returns what it answers.
class FMessageDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result {
        Closed = 0,
        Ok = 1,
    };

    using Answerer = std::function<int(FMessageDialog &dialog)>;

    explicit FMessageDialog(QWidget *parent = nullptr);
    ~FMessageDialog() override;

    void setTitle(const QString &title);
    QString title() const;
    void setText(const QString &text);
    QString text() const;

    // Buttons appear left to right in the order they are added.
    QPushButton *addButton(const QString &text, int result);
    QStringList buttonTexts() const;
    // The button that returns `result`; null when there is none.
    QPushButton *button(int result) const;

    // An empty text hides the check box.
    void setCheckBoxText(const QString &text);
    QString checkBoxText() const;
    bool isChecked() const;
    void setChecked(bool checked);

    // Shows the dialog modally and returns the number of the button clicked.
    int DoModal();

    // An information message with one OK button. The object name lets tests
    // and the style sheet tell messages apart.
    static int information(QWidget *parent, const QString &title, const QString &text, const QString &objectName);

    // Empty restores the modal dialog. GUI thread only.
    static void setAnswerer(Answerer answerer);
    static bool hasAnswerer();

private:
    QLabel *m_text;
    QCheckBox *m_checkBox;
    QHBoxLayout *m_buttons;
};
