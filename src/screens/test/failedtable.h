#pragma once

namespace lexora {

class ItemView;
class LiveView;

// The failed-items table starts with a placeholder row that is never shown, counted or
// deleted; the failed items follow it in the order they were stored.
namespace FailedTable {

// Whether the first row of the view is the placeholder. A stored failed item always has
// its sentence; the placeholder has none. An empty table has no placeholder either.
bool startsWithPlaceholder(ItemView& view);

// Deletes every row after the placeholder and leaves the view past its last row. A table
// whose first row is not the placeholder is left untouched (false): deleting "all but the
// first row" there would throw away failed items and keep one at random.
bool emptyExceptPlaceholder(LiveView& view);

} // namespace FailedTable

} // namespace lexora
