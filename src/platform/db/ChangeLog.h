#pragma once
// The change log of a client dataset. Every change to the stored rows is recorded twice:
//
// - as a journal step (what happened at which position, holding the block it replaced), so
//   that CancelUpdates can undo the steps in reverse and restore the rows exactly, order
//   included;
// - folded into one entry per row, {kind, original values, current values}, which is what
//   ChangeCount counts and Delta sends. An insert later edited stays an insert with the latest
//   values; an insert later deleted disappears; a modify later deleted becomes a delete with
//   the original values.
//
// Rows are identified by their current block: blocks never move and are never freed while the
// log refers to them (replaced and deleted blocks are kept by the journal). Merge and undo cost
// time in proportion to the number of changes, never to the number of rows.

#include "platform/db/DataPacket.h"
#include "platform/db/DbTypes.h"
#include "platform/db/PackedRecord.h"

#include <QByteArray>
#include <unordered_map>
#include <vector>

namespace ger {

class RecordStore;

class ChangeLog {
public:
    // A row was inserted at position; its block is now in the store.
    void Inserted(int position, PackedRecordView row);
    // The row at position was removed; the log keeps its block.
    void Deleted(int position, PackedRecord removed);
    // The row at position was replaced: previous is kept, current is in the store.
    void Modified(int position, PackedRecord previous, PackedRecordView current);

    int Count() const { return m_liveEntries; }
    // The unmerged change a stored row holds: usModified, usInserted or usUnmodified.
    TUpdateStatus StatusOf(PackedRecordView row) const;
    bool IsEmpty() const { return m_journal.empty(); }

    // Accepts every change: the current rows become the originals.
    void Merge();
    // Undoes every change in reverse order, leaving the store as it was before the first one.
    void Undo(RecordStore& store);

    // The folded changes as a delta packet over the store's columns.
    QByteArray Delta(const std::vector<PacketField>& columns) const;

private:
    struct Step {
        ChangeKind kind;
        int position;
        PackedRecord kept; // the replaced or removed block (modify, delete)
    };
    struct Entry {
        ChangeKind kind;
        PackedRecordView original; // modify, delete
        PackedRecordView current;  // insert, modify
        bool cancelled = false;
    };

    std::vector<Step> m_journal;
    std::vector<Entry> m_entries;
    std::unordered_map<const char*, size_t> m_entryOfLiveBlock;
    int m_liveEntries = 0;
};

} // namespace ger
