#include "FTimerDurationView.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QSignalBlocker>

#include <cmath>

namespace {

// Frames are whole numbers; a shown value such as 4.6 s times 25 fps comes
// out of the multiplication a hair below 115 and must not lose a frame.
constexpr double kTruncationSlack = 1e-6;

int wholeFrames(double value)
{
    return int(std::floor(value + kTruncationSlack));
}

} // namespace

FTimerDurationView::FTimerDurationView(QWidget *parent)
    : QWidget(parent)
    , m_spin(new QDoubleSpinBox(this))
    , m_unitBox(new QComboBox(this))
{
    setObjectName(QStringLiteral("FTimerDurationView"));
    m_spin->setObjectName(QStringLiteral("FTimerDurationView_Value"));
    m_spin->setFixedSize(60, 24);
    m_spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_unitBox->setObjectName(QStringLiteral("FTimerDurationView_Unit"));
    m_unitBox->setFixedSize(96, 24);
    m_unitBox->addItem(QString(), int(Frames));
    m_unitBox->addItem(QString(), int(Seconds));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(m_spin);
    layout->addWidget(m_unitBox);
    layout->addStretch();

    TranslateText();
    showValue();

    connect(m_unitBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &FTimerDurationView::onUnitChanged);
    connect(m_spin, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
            &FTimerDurationView::onValueChanged);
}

FTimerDurationView::~FTimerDurationView() = default;

void FTimerDurationView::TranslateText()
{
    const QSignalBlocker blocker(m_unitBox);
    m_unitBox->setItemText(Frames, tr("Frames"));
    m_unitBox->setItemText(Seconds, tr("Seconds"));
}

void FTimerDurationView::setAccessibleName(const QString &name)
{
    m_spin->setAccessibleName(name);
    m_unitBox->setAccessibleName(tr("%1 unit").arg(name));
}

void FTimerDurationView::setDuration(int frames, int type, double fps)
{
    m_unit = type == Seconds ? Seconds : Frames;
    if (m_unit == Seconds)
        m_seconds = qBound(kMinSeconds, fps > 0 ? frames / fps : kMinSeconds, kMaxSeconds);
    else
        m_frames = qBound(kMinFrames, frames, kMaxFrames);
    {
        const QSignalBlocker blocker(m_unitBox);
        m_unitBox->setCurrentIndex(m_unit);
    }
    showValue();
}

int FTimerDurationView::durationFrames(double fps) const
{
    const double value = m_spin->value();
    return wholeFrames(m_unit == Seconds ? value * fps : value);
}

void FTimerDurationView::showValue()
{
    const QSignalBlocker blocker(m_spin);
    if (m_unit == Seconds) {
        m_spin->setDecimals(2);
        m_spin->setRange(kMinSeconds, kMaxSeconds);
        m_spin->setValue(m_seconds);
    } else {
        m_spin->setDecimals(0);
        m_spin->setRange(kMinFrames, kMaxFrames);
        m_spin->setValue(m_frames);
    }
}

void FTimerDurationView::onUnitChanged(int index)
{
    m_unit = index == Seconds ? Seconds : Frames;
    showValue();
}

void FTimerDurationView::onValueChanged(double value)
{
    if (m_unit == Seconds)
        m_seconds = value;
    else
        m_frames = wholeFrames(value);
}
