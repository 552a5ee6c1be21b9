#pragma once
// TProgressBar: a bar that shows Position between Min and Max (0 and 100 unless set). Position
// is always kept inside the range: setting it outside clamps it, and narrowing the range pulls
// it in. A range whose Max is below its Min raises EInvalidOperation and changes nothing.
// StepIt advances Position by Step, StepBy by a given amount, both clamped.
//
// Signals (besides TWinControl's): positionChanged() after Min, Max or Position changed the
// fraction the bar shows.

#include "platform/forms/TWinControl.h"

namespace ger {

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
    Q_OBJECT
public:
    explicit TProgressBar(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TProgressBar"); }

    int Min() const { return m_min; }
    void SetMin(int value) { SetRange(value, m_max); }
    int Max() const { return m_max; }
    void SetMax(int value) { SetRange(m_min, value); }
    void SetRange(int min, int max);
    int Position() const { return m_position; }
    void SetPosition(int value);
    int Step() const { return m_step; }
    void SetStep(int value) { m_step = value; }
    void StepIt() { StepBy(m_step); }
    void StepBy(int delta);
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TProgressBarOrientation value);

    // How much of the bar is filled, from 0 to 1 (0 for an empty range).
    double Fraction() const;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void positionChanged();

protected:
    void Loaded() override;

private:
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_step = 10;
    bool m_smooth = false;
    TProgressBarOrientation m_orientation = pbHorizontal;
    // Form data may give Min, Max and Position in any order: they are applied when loaded.
    bool m_pendingRange = false;
};

} // namespace ger
