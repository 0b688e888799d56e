// The payload catalogue: the files the installation writes, in order, and the progress between them.
#pragma once
#include <cstddef>

enum class CatalogueAction { SetProgress, Write };

struct CatalogueRow {
    CatalogueAction Action;
    int Position;  // SetProgress rows
    unsigned short Item;
    const char* FileName;
    int ReadOnly;
    int Hidden;
};

extern const CatalogueRow Catalogue[];
extern const std::size_t CatalogueRowCount;

// The font file: the one row whose failure stops the installation at once.
bool IsDecidingRow(const CatalogueRow& row);
