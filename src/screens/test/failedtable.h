// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace lexora {

class ItemView;
class LiveView;

// The failed-items table starts with a placeholder row that is never shown, counted or
// deleted; the failed items follow it in the order they were stored.
namespace FailedTable {

// Whether the view has its placeholder: the first row is the placeholder whatever it holds
// (a database may ship one with texts in it). Only an empty table lacks it.
bool startsWithPlaceholder(ItemView& view);

// Deletes every row after the first and leaves the view past its last row. An empty table
// has no placeholder to keep and nothing to delete (false).
bool emptyExceptPlaceholder(LiveView& view);

} // namespace FailedTable

} // namespace lexora
