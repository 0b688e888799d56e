// The two attribute bits the setup changes; every other bit of a file's attribute word is kept.
#include "install/file_attributes.h"

unsigned long ClearedAttributes(unsigned long attributes, int clearReadOnly, int clearHidden)
{
    if (clearReadOnly) attributes &= ~AttributeReadOnly;
    if (clearHidden) attributes &= ~AttributeHidden;
    return attributes;
}

unsigned long WithProtection(unsigned long attributes, int readOnly, int hidden)
{
    if (readOnly) attributes |= AttributeReadOnly;
    if (hidden) attributes |= AttributeHidden;
    return attributes;
}
