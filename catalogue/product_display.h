// What the window shows for the selected product, and the addresses its buttons
// then open.
#pragma once

#include "catalogue/catalogue_state.h"

#include <string_view>

namespace orvane {

// Shows the first record whose name equals `name` exactly (case counts): its web
// site with the partner code becomes selected_home_url, its download link
// selected_download_url. Of two records with one name, the first is always shown.
// Returns the record, or null (and changes nothing) when no record has that name.
const Product* update_display(CatalogueState& state, std::string_view name);

// The list entry at `entry` (0 first) selected: the list holds the names in file
// order, unsorted, so the entry's name is record `entry`'s name, and update_display
// runs with it. Null, with nothing changed, for an entry beyond the records.
const Product* update_display_for_entry(CatalogueState& state, int entry);

}  // namespace orvane
