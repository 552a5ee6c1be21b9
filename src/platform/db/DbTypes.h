#pragma once
// Types shared by the dataset layer, named as on the platform.

#include "platform/core/Events.h"
#include "platform/core/TAlignment.h"

#include <QString>
#include <functional>
#include <initializer_list>

namespace ger {

class TDataSet;
class TField;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// Whether the record read now holds a change not yet accepted (merged): the platform's
// TUpdateStatus.
enum TUpdateStatus { usUnmodified, usModified, usInserted, usDeleted };

// The platform's dsEditModes: the states in which the current record holds values not yet
// posted.
constexpr bool IsEditMode(TDataSetState state) {
    return state == dsEdit || state == dsInsert;
}

// What a dataset tells its data sources, and they their links.
enum class TDataEvent {
    deFieldChange,     // a field of the current record was assigned
    deRecordChange,    // the current record changed as a whole (Edit)
    deDataSetChange,   // rows or the cursor changed (Post, Cancel, Delete, Insert, First, Locate)
    deDataSetScroll,   // the cursor moved by a distance (Next, Prior, MoveBy)
    deLayoutChange,    // field properties that shape a grid changed
    deUpdateRecord,    // controls must write pending edits into the fields
    deUpdateState,     // the state changed
    deCheckBrowseMode, // an operation is about to leave the current record
};

enum TFieldType { ftUnknown, ftString };

enum TLocateOption { loCaseInsensitive = 1, loPartialKey = 2 };

// The set of TLocateOption, written as on the platform: {loCaseInsensitive, loPartialKey}.
class TLocateOptions {
public:
    TLocateOptions() = default;
    TLocateOptions(std::initializer_list<TLocateOption> options) {
        for (TLocateOption option : options)
            m_bits |= option;
    }
    bool Contains(TLocateOption option) const { return (m_bits & option) != 0; }

private:
    int m_bits = 0;
};

using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;
using TFieldNotifyEvent = std::function<void(TField* Sender)>;
using TFieldGetTextEvent = std::function<void(TField* Sender, QString& Text, bool DisplayText)>;
using TFieldSetTextEvent = std::function<void(TField* Sender, const QString& Text)>;
using TDataChangeEvent = std::function<void(TObject* Sender, TField* Field)>;

} // namespace ger
