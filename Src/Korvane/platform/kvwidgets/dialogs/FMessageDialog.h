#pragma once

#include "KvFramelessDialog.h"

#include <QStringList>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

// A message of the editor: a title, a text, one or more buttons and an
// optional check box, in the editor's frameless dialog (its own title bar
// with a close button, so it moves and closes without a window manager).
// Each button carries the number that DoModal returns when it is clicked;
// the close button and Escape return Closed.
//
// Tests (and front ends without a screen) answer messages through the
// answerer: while one is set, DoModal hands it the filled dialog instead of
// running an event loop, and returns what it answers. Messages have their
// own answerer, apart from other frameless dialogs'.
class FMessageDialog : public KvFramelessDialog
{
    Q_OBJECT

public:
    enum Result {
        Closed = 0,
        Ok = 1,
        Cancel = 2,
        Yes = 3,
        No = 4,
    };

    // What the message is about; it picks the icon beside the text.
    enum Kind {
        Information,
        Question,
        Alert,
    };

    using Answerer = std::function<int(FMessageDialog &dialog)>;

    explicit FMessageDialog(QWidget *parent = nullptr);
    ~FMessageDialog() override;

    // The title is the frameless dialog's (setTitle, title).
    void setText(const QString &text);
    QString text() const;
    void setKind(Kind kind);
    Kind kind() const { return m_kind; }

    // Buttons appear left to right in the order they are added; the first is
    // the default one (Enter) and drawn in the accent colour. button(result)
    // and buttonTexts() come from the frameless dialog.
    QPushButton *addButton(const QString &text, int result);

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
    // The same message without waiting for it: it shows, returns at once and
    // deletes itself when dismissed. For notices that must not hold up the
    // caller (a nested event loop during start-up would). With an answerer set
    // it is answered and gone before this returns (null then).
    static FMessageDialog *notify(QWidget *parent, const QString &title, const QString &text,
                                  const QString &objectName);
    // A yes/no question: Yes (3) or No (4), Closed when dismissed. Empty
    // button texts read "Yes" and "No".
    static int question(QWidget *parent, const QString &title, const QString &text, const QString &objectName,
                        const QString &yesText = QString(), const QString &noText = QString());
    // Something went wrong or cannot be done: one OK button, a warning icon.
    static int alert(QWidget *parent, const QString &title, const QString &text, const QString &objectName);

    // Empty restores the modal dialog. GUI thread only.
    static void setAnswerer(Answerer answerer);
    static bool hasAnswerer();

    // The text as the label shows it: long unbroken runs (paths, addresses)
    // get invisible break points so that they wrap instead of being cut off.
    static QString wrappableText(const QString &text);

private:
    QLabel *m_icon;
    QLabel *m_text;
    QCheckBox *m_checkBox;
    QString m_plainText;
    Kind m_kind = Information;
};
