#include "platform/forms/TProgressBar.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/PropertyReading.h"

#include <algorithm>

namespace ger {
namespace {

const PropertyTable<TProgressBar>& progressBarProperties() {
    using T = TProgressBar&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TProgressBar> table{
        {"min", [](T t, P p, C) { t.SetMin(ReadInt(p)); }},
        {"max", [](T t, P p, C) { t.SetMax(ReadInt(p)); }},
        {"position", [](T t, P p, C) { t.SetPosition(ReadInt(p)); }},
        {"step", [](T t, P p, C) { t.SetStep(ReadInt(p)); }},
        {"smooth", [](T t, P p, C) { t.SetSmooth(ReadBool(p)); }},
        {"orientation",
         [](T t, P p, C) {
             t.SetOrientation(ReadEnum<TProgressBarOrientation>(
                 p, {{"pbHorizontal", pbHorizontal}, {"pbVertical", pbVertical}}));
         }},
    };
    return table;
}

} // namespace

TProgressBar::TProgressBar(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetRange(int min, int max) {
    if (IsLoadingState()) {
        m_min = min;
        m_max = max;
        m_pendingRange = true;
        return;
    }
    if (max < min)
        throw EInvalidOperation(
            QStringLiteral("%1.SetRange: Max %2 is below Min %3").arg(Name()).arg(max).arg(min));
    if (min == m_min && max == m_max)
        return;
    m_min = min;
    m_max = max;
    m_position = std::clamp(m_position, m_min, m_max);
    emit positionChanged();
    emit changed();
}

void TProgressBar::SetPosition(int value) {
    if (IsLoadingState()) {
        m_position = value;
        m_pendingRange = true;
        return;
    }
    value = std::clamp(value, m_min, m_max);
    if (value == m_position)
        return;
    m_position = value;
    emit positionChanged();
    emit changed();
}

void TProgressBar::StepBy(int delta) {
    SetPosition(static_cast<int>(
        std::clamp<qint64>(static_cast<qint64>(m_position) + delta, m_min, m_max)));
}

void TProgressBar::SetSmooth(bool value) {
    if (value == m_smooth)
        return;
    m_smooth = value;
    emit changed();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
    if (value == m_orientation)
        return;
    m_orientation = value;
    emit changed();
}

double TProgressBar::Fraction() const {
    if (m_max == m_min)
        return 0;
    return static_cast<double>(m_position - m_min) / (static_cast<double>(m_max) - m_min);
}

void TProgressBar::Loaded() {
    TWinControl::Loaded();
    if (!m_pendingRange)
        return;
    m_pendingRange = false;
    if (m_max < m_min)
        throw EFormDataError(
            QStringLiteral("%1: Max %2 is below Min %3").arg(Name()).arg(m_max).arg(m_min));
    m_position = std::clamp(m_position, m_min, m_max);
    emit positionChanged();
}

void TProgressBar::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(progressBarProperties(), *this, property, context))
        TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TProgressBar)

} // namespace ger
