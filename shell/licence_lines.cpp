// The line splitter of the Chinese licence: CR ends a line, one LF after it is skipped.
#include "shell/licence_lines.h"

int SplitLicenceLines(char* text, const char** lines, int capacity)
{
    int count = 0;
    char* start = text;
    while (count < capacity) {
        char* end = start;
        while (*end != '\0' && *end != '\r') ++end;
        if (*end == '\0') {
            // A last line without CR still belongs to the licence.
            if (end != start) lines[count++] = start;
            break;
        }
        *end = '\0';
        lines[count++] = start;
        start = end + 1;
        if (*start == '\n') ++start;
    }
    return count;
}
