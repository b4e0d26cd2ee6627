#pragma once
#include "core/Template.h"
#include "platform/SettingsStore.h"

#include <vector>

namespace tw {

// The templates kept in the settings, section "Templates": "Count", then "Name1"/"Pattern1" ... in the order the
// user set them. A table without a count gives the predefined templates; a count that is no number reads as 0, and
// a name or pattern that is missing ends the list there.
std::vector<core::ColorTemplate> ReadTemplates(const platform::SettingsStore& settings);

// The one batch of section "Templates" that replaces the stored list (previousCount entries were stored before)
// with list: the keys of entries that are no longer there are deleted in the same write.
QList<platform::SettingsChange> TemplateChanges(const std::vector<core::ColorTemplate>& list, int previousCount);

// The number of entries section "Templates" holds now, for TemplateChanges.
int StoredTemplateCount(const platform::SettingsStore& settings);

} // namespace tw
