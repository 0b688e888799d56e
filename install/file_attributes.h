// The two attribute bits the setup changes; every other bit of a file's attribute word is kept.
#pragma once

constexpr unsigned long AttributeReadOnly = 0x01;
constexpr unsigned long AttributeHidden = 0x02;

// Read-only and hidden removed as asked.
unsigned long ClearedAttributes(unsigned long attributes, int clearReadOnly, int clearHidden);
// Read-only and hidden added as asked.
unsigned long WithProtection(unsigned long attributes, int readOnly, int hidden);
