// The payload catalogue as one table, made from the payload item list.
#include "install/catalogue.h"

#include "resources/resource_ids.h"

const CatalogueRow Catalogue[] = {
#define CATALOGUE_PROGRESS(position) {CatalogueAction::SetProgress, position, 0, nullptr, 0, 0},
#define CATALOGUE_FILE(item, name, readOnly, hidden) {CatalogueAction::Write, 0, item, name, readOnly, hidden},
#define PAYLOAD_EXTRA(item, name, language)
#include "resources/payload_items.def"
#undef CATALOGUE_PROGRESS
#undef CATALOGUE_FILE
#undef PAYLOAD_EXTRA
};

const std::size_t CatalogueRowCount = sizeof Catalogue / sizeof Catalogue[0];

bool IsDecidingRow(const CatalogueRow& row)
{
    return row.Action == CatalogueAction::Write && row.Item == PAYLOAD_FONT;
}
