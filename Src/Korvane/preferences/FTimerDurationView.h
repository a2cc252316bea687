#pragma once

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;

// A default duration: a number and its unit, frames or seconds. The view
// remembers one value per unit and shows the one of the selected unit;
// switching the unit shows the other remembered value and converts nothing,
// so a user who flips back and forth finds what they typed. Only the value
// that is stored counts: durationFrames() turns the shown value into the
// whole number of frames the settings keep.
class FTimerDurationView : public QWidget
{
    Q_OBJECT

public:
    enum Unit {
        Frames = 0,
        Seconds = 1,
    };

    static constexpr double kMinSeconds = 0.01;
    static constexpr double kMaxSeconds = 10800.0;
    static constexpr int kMinFrames = 1;
    static constexpr int kMaxFrames = 270000;

    explicit FTimerDurationView(QWidget *parent = nullptr);
    ~FTimerDurationView() override;

    void TranslateText();
    // Names the spin box and the unit box for assistive tools.
    void setAccessibleName(const QString &name);

    // A stored duration: `frames` at `fps`, picked in unit `type`. Only the
    // value of that unit is taken (clamped to its range); the other unit
    // keeps what it remembered. Emits nothing.
    void setDuration(int frames, int type, double fps);
    // The whole number of frames the shown value stands for.
    int durationFrames(double fps) const;
    int unit() const { return m_unit; }

    double secondsValue() const { return m_seconds; }
    int framesValue() const { return m_frames; }

    QDoubleSpinBox *spinBox() const { return m_spin; }
    QComboBox *unitBox() const { return m_unitBox; }

private:
    void showValue();
    void onUnitChanged(int index);
    void onValueChanged(double value);

    int m_unit = Frames;
    double m_seconds = 5.0;
    int m_frames = 125;
    QDoubleSpinBox *m_spin;
    QComboBox *m_unitBox;
};
