#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class KorvaneMainForm;

// Runs a short list of user steps on the main form, one per event-loop turn,
// so that end-to-end checks can drive the real editor without a screen
// reader. Used only when the environment names a step file
// (KORVANE_UI_SCRIPT); each step is logged as it runs. Steps:
//   import <path>          import a file into the media library
//   add <media index>      add that medium to the timeline at the playhead
//   click <object name>    click the form's button of that name
//   enabled <object name>  log whether that button is enabled
//   menu <object name>     open that menu of the menu bar (a submenu pops at the pointer)
//   action <id>            trigger that numbered action on the next turn (so
//                          that the steps after it run in a dialog it opens)
//   press <keys> [<name>]  press the key combination ("Ctrl+Shift+S") on the
//                          widget of that name (given the focus first), or on
//                          the focused widget, as a user's key press arrives
//   message <code>         send a plain message to the scene
//   text <object name>     log the text of that menu, button, label or combo box
//                          (a modal dialog's first)
//   grab <path>            save a picture of the editing window
//   wait <ms>              pause
//   close                  close the window as the user would
class FMainFormScriptDriver : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kVariable = "KORVANE_UI_SCRIPT";

    // Starts the driver on the form when the variable names a readable file.
    static void startIfRequested(KorvaneMainForm *form);

    FMainFormScriptDriver(KorvaneMainForm *form, const QStringList &steps);

private:
    void next();
    int run(const QString &step);
    void runActionLater(int id);
    void logText(const QString &objectName);
    // The time the next step waits.
    int pressKeys(const QString &keys, const QString &objectName);

    QPointer<KorvaneMainForm> m_form;
    QStringList m_steps;
    bool m_started = false;
    bool m_activating = false;
    static constexpr int kActivationMs = 100;
};
