// What the "Test Setting" dialog does with the configuration: the live edits
// of its pages, and OK and Cancel of the page that is showing.  Values live in
// TouchTestConfig; the file is the INI store's loaded "LinearConfig.ini".
// Without a loaded store OK and Cancel touch neither.
#pragma once

#include "trelliq/BorderHitGrid.h"
#include "trelliq/DialogFields.h"
#include "trelliq/StartupSeams.h"
#include "trelliq/TouchTestConfig.h"

namespace trelliq {

// A change of a control of the table: its value := value at once.  The
// trace test's grid is rebuilt (all counters 0) only when [Grids] X or Y
// really changes, so filling or re-typing the same number keeps the test's
// progress.  False for an id the table does not hold.
bool ApplyLiveValue(const FieldTable& table, int id, int value, TouchTestConfig& config, BorderHitGrid& grid);
// A selection of the point list: entries 0 to 3 set the accuracy point count.
void ApplyPointListEntry(int entry, TouchTestConfig& config);

// OK on "ConstrainI": its keys and the dialog's check boxes as "%d" texts,
// a box for each key the file lacks, then the save.
void ConstrainIOk(const TouchTestConfig& config, MessageSink& messages);
// OK on "ConstrainII", with the grid rebuilt for the new size after
// [Grids].  False when a [TrcGap] key is missing: the keys after it are not
// set, nothing is saved, and the dialog ends as cancelled.
bool ConstrainIIOk(const TouchTestConfig& config, BorderHitGrid& grid, MessageSink& messages);
// Cancel: the page's values again from the store (0 for a missing key).
void ConstrainICancel(TouchTestConfig& config);
void ConstrainIICancel(TouchTestConfig& config, BorderHitGrid& grid);

}  // namespace trelliq
