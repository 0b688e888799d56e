// The Chinese licence text cut into the lines of its owner-drawn list.
#pragma once

constexpr int LicenceLineLimit = 500;

// Splits the NUL-terminated text in place (each CR becomes a NUL) and stores the start of every
// line in lines, at most capacity of them. Returns the number of lines stored.
int SplitLicenceLines(char* text, const char** lines, int capacity);
